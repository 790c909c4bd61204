#include "shell/startup/ApplicationStart.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace orvalis {
namespace {

// A message of Qt's, kept with what its context points to: string literals
// that live as long as the process.
struct HeldMessage {
  QtMsgType type;
  QString text;
  const char* file;
  int line;
  const char* function;
  const char* category;
};

std::mutex heldMessagesMutex;
std::vector<HeldMessage> heldMessages;

// While the application object is created, Qt's messages wait: when the
// platform cannot be started they are replaced by one line, else they are
// passed on afterwards.
void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    std::fputs(
        "orvalis: cannot open a window: no display could be reached "
        "(is DISPLAY or WAYLAND_DISPLAY set?)\n",
        stderr);
    std::fflush(stderr);
    // Nothing is set up yet that needs ending; Qt's half-made objects must
    // not be torn down.
    std::_Exit(1);
  }
  const std::lock_guard lock(heldMessagesMutex);
  heldMessages.push_back(
      {type, text, context.file, context.line, context.function, context.category});
}

}  // namespace

std::unique_ptr<QApplication> createApplication(int& argc, char** argv) {
  const QtMessageHandler previous = qInstallMessageHandler(holdMessage);
  auto application = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(previous);
  const std::lock_guard lock(heldMessagesMutex);
  for (const HeldMessage& message : heldMessages) {
    previous(message.type,
             QMessageLogContext(message.file, message.line, message.function, message.category),
             message.text);
  }
  heldMessages.clear();
  return application;
}

}  // namespace orvalis
