#include "files/PatternDocument.h"

#include <algorithm>

namespace orvalis {
namespace {

const SettingAssignment* lastAssigned(const std::vector<SettingAssignment>& settings,
                                      GadgetId gadget, bool asText) {
  const auto found = std::find_if(settings.rbegin(), settings.rend(), [&](const auto& one) {
    return one.gadget == gadget && one.text.has_value() == asText;
  });
  return found == settings.rend() ? nullptr : &*found;
}

}  // namespace

std::optional<long long> PatternDocument::number(GadgetId gadget) const {
  const SettingAssignment* found = lastAssigned(settings, gadget, false);
  return found ? std::optional(found->number) : std::nullopt;
}

std::optional<std::string> PatternDocument::text(GadgetId gadget) const {
  const SettingAssignment* found = lastAssigned(settings, gadget, true);
  return found ? found->text : std::nullopt;
}

DocumentReading refusedWith(UserMessage message) {
  return {std::nullopt, std::move(message)};
}

}  // namespace orvalis
