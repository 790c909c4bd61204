#include "shell/filecommands/FilePaths.h"

#include <algorithm>

#include "settings/Text.h"

namespace orvalis {
namespace {

constexpr std::string_view separators = "/\\";

bool isForbiddenInName(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte == 0x7F ||
         std::string_view("\"*/:<>?\\|").find(c) != std::string_view::npos;
}

}  // namespace

void addExtension(std::string& path, std::string_view extension) {
  if (pathExtension(path).empty()) {
    path += extension;
  }
}

void givePatternExtension(std::string& path, std::string_view extension,
                          const std::vector<std::string>& replaced) {
  const std::string current = lowerCase(pathExtension(path));
  if (std::ranges::find(replaced, current) != replaced.end()) {
    path.resize(path.size() - current.size() - 1);
  }
  addExtension(path, extension);
}

PathProposal pathProposal(std::string_view lastPath) {
  PathProposal proposal;
  const std::size_t separator = lastPath.find_last_of(separators);
  if (separator != std::string_view::npos) {
    // The root folder keeps its slash.
    proposal.folder = std::string(lastPath.substr(0, separator == 0 ? 1 : separator));
  }
  const std::string_view name =
      separator == std::string_view::npos ? lastPath : lastPath.substr(separator + 1);
  if (std::ranges::none_of(name, isForbiddenInName)) {
    proposal.fileName = std::string(name);
  }
  return proposal;
}

}  // namespace orvalis
