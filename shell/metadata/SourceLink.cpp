#include "shell/metadata/SourceLink.h"

#include <string>

#include "settings/Text.h"

namespace orvalis {
namespace {

// Only the space character counts as a blank here.
std::string_view withoutBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

bool isWebAddress(std::string_view source) {
  const std::string lower = lowerCase(source);
  return lower.starts_with("http:") || lower.starts_with("https:") || lower.starts_with("www.");
}

void openOrCopySource(GadgetAccess& settings, platform::DesktopServices& desktop) {
  const std::string source(withoutBlanks(settings.gadgetText(GadgetId::SourceField)));
  if (isWebAddress(source)) {
    desktop.openWebAddress(source);
  } else {
    desktop.copyText(source);
  }
}

}  // namespace orvalis
