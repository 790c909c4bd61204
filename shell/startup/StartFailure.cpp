#include "shell/startup/StartFailure.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace orvalis {
namespace {

// Qt's lines for a platform plugin that it tried in vain, and its list of
// the plugins there are.
constexpr std::string_view notFound = "Could not find the Qt platform plugin \"";
constexpr std::string_view notLoaded = "Could not load the Qt platform plugin \"";
constexpr std::string_view installedList = "Available platform plugins are: ";

// The reasons that Qt's X11 and Wayland plugins give for a display that does
// not answer.
constexpr std::string_view noXDisplay = "could not connect to display";
constexpr std::string_view noWaylandDisplay = "Failed to create wl_display";

// The quoted plugin name that follows `prefix`, when `text` starts with it.
std::optional<std::string> pluginNamed(std::string_view text, std::string_view prefix) {
  if (!text.starts_with(prefix)) {
    return std::nullopt;
  }
  text.remove_prefix(prefix.size());
  return std::string(text.substr(0, text.find('"')));
}

std::string installedPlugins(const std::string& fatal) {
  const std::size_t start = fatal.find(installedList);
  if (start == std::string::npos) {
    return {};
  }
  const std::string list = fatal.substr(start + installedList.size());
  return list.substr(0, list.find_first_of(".\n"));
}

std::string missingPlugin(const std::string& plugin, const std::string& fatal) {
  const std::string cause = "the Qt platform plugin \"" + plugin + "\" is not installed";
  if (plugin.starts_with("wayland")) {
    return cause + " (Debian package qt6-wayland)";
  }
  const std::string installed = installedPlugins(fatal);
  return installed.empty() ? cause : cause + " (installed: " + installed + ")";
}

std::string unreachable(std::string_view kind, std::string_view variable, const std::string& name,
                        const DisplayNames& displays) {
  if (displays.x.empty() && displays.wayland.empty()) {
    return "no display could be reached (neither DISPLAY nor WAYLAND_DISPLAY is set)";
  }
  const std::string display = "no " + std::string(kind) + " display could be reached";
  return display + (name.empty() ? " (" + std::string(variable) + " is not set)"
                                 : " at " + std::string(variable) + "=" + name);
}

std::string failedPlugin(const std::string& plugin, const std::string& reason,
                         const DisplayNames& displays) {
  if (reason.starts_with(noXDisplay)) {
    return unreachable("X", "DISPLAY", displays.x, displays);
  }
  if (reason.starts_with(noWaylandDisplay)) {
    return unreachable("Wayland", "WAYLAND_DISPLAY", displays.wayland, displays);
  }
  const std::string cause = "the Qt platform plugin \"" + plugin + "\" did not start";
  return reason.empty() ? cause : cause + ": " + reason;
}

std::string firstLine(const std::string& text) {
  return text.substr(0, text.find('\n'));
}

}  // namespace

std::string startFailureCause(const std::vector<std::string>& messages, const std::string& fatal,
                              const DisplayNames& displays) {
  std::vector<std::string> causes;
  std::string reason;  // what Qt said since the last plugin it tried
  for (const std::string& message : messages) {
    std::string cause;
    if (const auto plugin = pluginNamed(message, notFound)) {
      cause = missingPlugin(*plugin, fatal);
    } else if (const auto plugin = pluginNamed(message, notLoaded)) {
      cause = failedPlugin(*plugin, reason, displays);
    } else {
      reason = firstLine(message);
      continue;
    }
    reason.clear();
    if (std::find(causes.begin(), causes.end(), cause) == causes.end()) {
      causes.push_back(cause);
    }
  }
  if (causes.empty()) {
    return firstLine(fatal);
  }
  std::string line = causes.front();
  for (std::size_t index = 1; index < causes.size(); ++index) {
    line += "; " + causes[index];
  }
  return line;
}

}  // namespace orvalis
