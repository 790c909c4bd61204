#pragma once

#include <string>

namespace orvalis {

// What start-up sees of the desktop session before the application object
// exists.
struct DisplaySession {
  bool platformAsked = false;      // QT_QPA_PLATFORM or the -platform option
  bool xDisplayAnswers = false;    // an X server, XWayland too, answers at DISPLAY
  bool waylandDisplaySet = false;  // WAYLAND_DISPLAY names a compositor
};

// The Qt platform to start on, or empty to leave it to Qt. The user's choice
// always wins. Else X11 wherever an X server answers, also inside a Wayland
// session: the step window stands over its button and the panel beside the
// field only where the program may place its windows, which Wayland does not
// grant a client. Wayland is asked for only without any X display.
std::string choosePlatform(const DisplaySession& session);

}  // namespace orvalis
