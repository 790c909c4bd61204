#pragma once

class QWidget;

namespace orvalis::platform {

// Asks the window manager to leave a tool window out of the taskbar, the
// pager and the window switcher. Call it while the window is not yet shown
// (from its show event): X11 window managers drop the hint whenever a window
// is hidden. Does nothing where the program does not run on X11.
void keepOutOfTaskbar(QWidget& window);

}  // namespace orvalis::platform
