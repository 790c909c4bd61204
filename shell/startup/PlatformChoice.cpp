#include "shell/startup/PlatformChoice.h"

namespace orvalis {

std::string choosePlatform(const DisplaySession& session) {
  if (session.platformAsked) {
    return {};
  }
  if (session.xDisplayAnswers) {
    return "xcb";
  }
  if (session.waylandDisplaySet) {
    return "wayland";
  }
  return {};
}

}  // namespace orvalis
