#include "shell/startup/ApplicationStart.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

#include "platform/XDisplay.h"
#include "shell/startup/PlatformChoice.h"
#include "shell/startup/StartFailure.h"

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

std::string environment(const char* name) {
  return qEnvironmentVariable(name).toStdString();
}

[[noreturn]] void endWithoutWindow(const QString& fatal) {
  std::vector<std::string> messages;
  {
    const std::lock_guard lock(heldMessagesMutex);
    for (const HeldMessage& message : heldMessages) {
      messages.push_back(message.text.toStdString());
    }
  }
  const std::string cause = startFailureCause(
      messages, fatal.toStdString(), {environment("DISPLAY"), environment("WAYLAND_DISPLAY")});
  std::fputs(("orvalis: cannot open a window: " + cause + "\n").c_str(), stderr);
  std::fflush(stderr);
  // Nothing is set up yet that needs ending; Qt's half-made objects must not
  // be torn down.
  std::_Exit(1);
}

// While the application object is created, Qt's messages wait: when the
// platform cannot be started they give the cause in one line, else they are
// passed on afterwards.
void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    endWithoutWindow(text);
  }
  const std::lock_guard lock(heldMessagesMutex);
  heldMessages.push_back(
      {type, text, context.file, context.line, context.function, context.category});
}

DisplaySession currentSession(bool platformOption) {
  DisplaySession session;
  session.platformAsked = platformOption || !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
  session.xDisplayAnswers = !session.platformAsked && !qEnvironmentVariableIsEmpty("DISPLAY") &&
                            platform::xDisplayAnswers();
  session.waylandDisplaySet = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
  return session;
}

}  // namespace

std::unique_ptr<QApplication> createApplication(int& argc, char** argv, bool platformOption) {
  // Handed to Qt for the application object only: programs started from
  // this one, such as the browser, choose their own platform.
  const std::string platform = choosePlatform(currentSession(platformOption));
  if (!platform.empty()) {
    qputenv("QT_QPA_PLATFORM", platform.c_str());
  }
  const QtMessageHandler previous = qInstallMessageHandler(holdMessage);
  auto application = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(previous);
  if (!platform.empty()) {
    qunsetenv("QT_QPA_PLATFORM");
  }
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
