#pragma once

#include <string>
#include <vector>

namespace orvalis {

// DISPLAY and WAYLAND_DISPLAY; empty when not set.
struct DisplayNames {
  std::string x;
  std::string wayland;
};

// Why no window could be opened, in one line, from the messages that Qt gave
// while the application object was being made and its fatal one: for each platform plugin that Qt
// tried, that it is not installed (naming the Debian package, or else the plugins there are) or why
// it did not start (no display, or Qt's own reason).
std::string startFailureCause(const std::vector<std::string>& messages, const std::string& fatal,
                              const DisplayNames& displays);

}  // namespace orvalis
