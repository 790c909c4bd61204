#include <QApplication>
#include <cstdio>

#include "shell/startup/ApplicationStart.h"
#include "shell/startup/CommandLine.h"
#include "shell/startup/Program.h"

int main(int argc, char** argv) {
  QCoreApplication::setApplicationName(QStringLiteral("Orvalis"));
  QCoreApplication::setApplicationVersion(QStringLiteral(ORVALIS_VERSION));
  // --help, --version and a wrong command line need no display.
  QStringList arguments;
  for (int index = 0; index < argc; ++index) {
    arguments.append(QString::fromLocal8Bit(argv[index]));
  }
  const orvalis::CommandLine commandLine = orvalis::readCommandLine(arguments);
  if (!commandLine.start) {
    std::fputs(commandLine.text.c_str(), commandLine.exitCode == 0 ? stdout : stderr);
    return commandLine.exitCode;
  }
  const auto application = orvalis::createApplication(argc, argv, commandLine.platformOption);
  QApplication::setQuitOnLastWindowClosed(true);
  return orvalis::runProgram(commandLine.file);
}
