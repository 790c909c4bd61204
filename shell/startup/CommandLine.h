#pragma once

#include <QStringList>
#include <string>

namespace orvalis {

// What the command line `orvalis [options] [FILE]` asks for: to start, with
// the file to open once the windows are shown, or to print a text and end at
// once, before any window exists.
struct CommandLine {
  bool start = true;
  std::string file;  // absolute; empty when none was given
  int exitCode = 0;  // when not starting: 0 after --help or --version, 2 for a wrong command line
  std::string text;  // when not starting: for standard output, or standard error with exit code 2
  bool platformOption = false;  // Qt's -platform option was given
};

// Reads the arguments, the program's own first. Qt's own options (-platform,
// -style, -display and the like) are let through for the application object.
CommandLine readCommandLine(const QStringList& arguments);

}  // namespace orvalis
