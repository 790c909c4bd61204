#pragma once

#include <QTest>
#include <memory>

#include "shell/panel/ControlPanel.h"
#include "shell/startup/Program.h"
#include "tests/support/FakeFileDialogs.h"
#include "tests/support/FakeMessageBoxes.h"
#include "tests/support/RecordingDesktopServices.h"

namespace orvalis::test {

// A fresh program with fake message boxes and file dialogs and a recording
// browser and clipboard for each test function.
struct ProgramFixture {
  std::unique_ptr<FakeMessageBoxes> messages;
  std::unique_ptr<RecordingDesktopServices> desktop;
  std::unique_ptr<FakeFileDialogs> fileDialogs;
  std::unique_ptr<Program> program;

  void startProgram() {
    messages = std::make_unique<FakeMessageBoxes>();
    desktop = std::make_unique<RecordingDesktopServices>();
    fileDialogs = std::make_unique<FakeFileDialogs>();
    program = std::make_unique<Program>(*messages, *desktop, *fileDialogs);
  }
  void endProgram() {
    program.reset();
    fileDialogs.reset();
    desktop.reset();
    messages.reset();
  }

  ControlPanel& panel() { return program->controlPanel(); }
  GadgetLayer& gadgets() { return panel().gadgets(); }

  // Shows the windows and waits until the panel is the active window.
  [[nodiscard]] bool showWithActivePanel() {
    program->show();
    return QTest::qWaitForWindowActive(&panel());
  }
};

}  // namespace orvalis::test
