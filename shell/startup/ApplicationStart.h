#pragma once

#include <QApplication>
#include <memory>

namespace orvalis {

// The application object, on the platform that choosePlatform picks unless
// QT_QPA_PLATFORM or the -platform option (`platformOption`) asks for one.
// Where no window can be opened (no display answers, the platform plugin is
// missing) Qt aborts the process with a page of its own; the program instead
// ends at once with one line on standard error that names the cause, and
// exit code 1.
std::unique_ptr<QApplication> createApplication(int& argc, char** argv, bool platformOption);

}  // namespace orvalis
