#pragma once

#include <functional>

#include "settings/GadgetId.h"

namespace orvalis {

// The commands of the panel that other parts of the program carry out. The
// panel calls a hook when its command arrives; an empty hook does nothing.
struct PanelHooks {
  // "&Start" (0): start or stop as gadget 0 now says. For a Ctrl key the
  // panel has already flipped the toggle, as a click flips it by itself.
  std::function<void()> startStop;
  // "Sc&reen" (1): the presentation; called only while gadget 0 is 0.
  std::function<void()> presentation;
  // "Schritt" (4): one generation step, moving the button where needed.
  std::function<void()> step;
  // "S&peichern" (24).
  std::function<void()> save;
  // "La&den" (25); afterwards the panel makes the main window active.
  std::function<void()> load;
  // "Über" (26).
  std::function<void()> about;
  // ">" (37): open or copy the source.
  std::function<void()> openSource;
  // "&N" (41): the date field to now.
  std::function<void()> dateNow;
  // Ctrl+0 (42): what a middle click in the main window does.
  std::function<void()> restorePanel;
  // After every command, with its number: what it changed goes into the
  // history.
  std::function<void(GadgetId)> commandDone;
};

}  // namespace orvalis
