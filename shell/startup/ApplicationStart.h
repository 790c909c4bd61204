#pragma once

#include <QApplication>
#include <memory>

namespace orvalis {

// The application object. Where no display can be opened (DISPLAY and
// WAYLAND_DISPLAY unset, the X server unreachable) Qt aborts the process
// with a page of its own; the program instead ends at once with one line on
// standard error and exit code 1.
std::unique_ptr<QApplication> createApplication(int& argc, char** argv);

}  // namespace orvalis
