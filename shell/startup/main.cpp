#include <QApplication>

#include "shell/startup/Program.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Orvalis"));
  QApplication::setQuitOnLastWindowClosed(true);
  return orvalis::runProgram();
}
