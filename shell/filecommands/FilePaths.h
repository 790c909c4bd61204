#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvalis {

// The rules by which the file commands treat paths. A path's separators are
// the slash and the backslash.

// Appends `extension` (".lxm") unless the path has an extension already.
void addExtension(std::string& path, std::string_view extension);

// Gives a file the extension of its format: another format's extension
// among `replaced` ("lif", any case) is swapped for `extension` (".lxm"),
// and a path without extension gets it; any other extension stays.
void givePatternExtension(std::string& path, std::string_view extension,
                          const std::vector<std::string>& replaced);

// What a file dialog proposes for the last path: the folder before the last
// separator, and the name after it, unless that name holds a character no
// file name should (a control character, ", *, /, :, <, >, ?, \ or |).
struct PathProposal {
  std::string folder;
  std::string fileName;
};
PathProposal pathProposal(std::string_view lastPath);

}  // namespace orvalis
