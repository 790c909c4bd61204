#include <QtTest/qtestspontaneevent.h>
#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "shell/panel/ControlPanel.h"
#include "shell/startup/Accelerators.h"
#include "shell/startup/Program.h"
#include "tests/support/FakeMessageBoxes.h"
#include "view/FieldView.h"

using namespace orvalis;

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void windowsHaveTheirTitlesSizesAndOwner() {
    test::FakeMessageBoxes messages;
    Program program(messages);
    program.show();
    QCOMPARE(program.mainWindow().windowTitle(), QStringLiteral("Orvalis V2.0"));
    QCOMPARE(program.controlPanel().windowTitle(), QStringLiteral("Life Ctrl"));
    QCOMPARE(program.stepWindow().windowTitle(), QStringLiteral("Life Schritt"));
    QCOMPARE(program.controlPanel().size(), QSize(170, 570));
    QCOMPARE(program.stepWindow().size(), QSize(55, 40));
    QVERIFY(program.mainWindow().isVisible());
    QVERIFY(program.controlPanel().isVisible());
    QVERIFY(!program.stepWindow().isVisible());
    QCOMPARE(program.controlPanel().parentWidget(), &program.mainWindow());
    QCOMPARE(program.stepWindow().parentWidget(), &program.mainWindow());
    const Qt::WindowFlags flags = program.controlPanel().windowFlags();
    QVERIFY(flags.testFlag(Qt::Tool));
    QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
    QCOMPARE(program.mainWindow().palette().color(QPalette::Window), QColor(Qt::white));
    QVERIFY(!program.field().fieldEdited);
    QVERIFY(messages.shown.empty());
  }

  void panelStandsBesideTheMainWindowOnTheScreen() {
    test::FakeMessageBoxes messages;
    Program program(messages);
    program.show();
    const QRect area = program.mainWindow().screen()->availableGeometry();
    const QRect main = program.mainWindow().geometry();
    const QRect panel = program.controlPanel().geometry();
    QCOMPARE(main.width(), main.height());
    QVERIFY(main.width() >= 200);
    QVERIFY(panel.left() > main.right());
    QVERIFY(area.contains(main));
    QVERIFY(area.contains(panel));
  }

  // The tool windows neither keep the program alive nor outlive the main
  // window: closing it ends the event loop, also while running and hidden.
  void closingTheMainWindowEndsTheProgram() {
    test::FakeMessageBoxes messages;
    Program program(messages);
    program.show();
    program.controlPanel().command(GadgetId::HideCheck, CommandSource::Accelerator);
    program.controlPanel().command(GadgetId::StepButton, CommandSource::Accelerator);
    QVERIFY(program.stepWindow().isVisible());
    QTimer::singleShot(0, &program.mainWindow(), [&] { program.mainWindow().close(); });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
      timedOut = true;
      QApplication::quit();
    });
    watchdog.start(5000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!timedOut);
    QVERIFY(!program.controlPanel().isVisible());
    QVERIFY(!program.stepWindow().isVisible());
  }

  // Alt+F4 or the close message of the window manager: the tool windows
  // have no close box, and hidden they would have no way back.
  void windowManagerClosesNeitherToolWindow() {
    test::FakeMessageBoxes messages;
    Program program(messages);
    program.show();
    program.stepWindow().show();
    const auto windowManagerCloses = [](QWidget& window) {
      QCloseEvent close;
      QSpontaneKeyEvent::setSpontaneous(&close);
      QApplication::sendEvent(window.windowHandle(), &close);
    };
    windowManagerCloses(program.controlPanel());
    windowManagerCloses(program.stepWindow());
    QVERIFY(program.controlPanel().isVisible());
    QVERIFY(program.stepWindow().isVisible());
    windowManagerCloses(program.mainWindow());
    QVERIFY(!program.mainWindow().isVisible());
  }

  void mainWindowKeepsTwoPixelsPerCell() {
    test::FakeMessageBoxes messages;
    Program program(messages);
    program.mainWindow().resize(600, 300);
    program.mainWindow().setFieldSize(400, 100);
    QCOMPARE(program.mainWindow().minimumSize(), QSize(800, 200));
    QCOMPARE(program.mainWindow().queryClientSize(), QSize(800, 300));
    QCOMPARE(program.mainWindow().queryCellSize(), QSize(2, 2));
  }

  void ctrlKeysBecomePanelCommandsBeforeTextFieldsSeeThem() {
    std::vector<GadgetId> commands;
    AcceleratorFilter filter([&](GadgetId id) { commands.push_back(id); });
    qApp->installEventFilter(&filter);
    QLineEdit edit;
    edit.show();
    edit.setFocus();
    QApplication::setActiveWindow(&edit);
    edit.setText(QStringLiteral("abc"));
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_X);
    QCOMPARE(edit.text(), QStringLiteral("x"));  // plain keys still type
    QCOMPARE(commands, (std::vector<GadgetId>{GadgetId::IntervalLabel, GadgetId::BackButton}));

    QPlainTextEdit editor;
    editor.show();
    editor.setFocus();
    QTest::keyClick(&editor, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClick(&editor, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(editor.toPlainText(), QString());
    QCOMPARE(commands.size(), size_t(4));
    QCOMPARE(commands[2], GadgetId::OpenSourceButton);
    QCOMPARE(commands[3], GadgetId::StepButton);

    // Alt with a letter types nothing and runs nothing; AltGr (Ctrl+Alt on
    // some keyboards) and Alt with other keys are left alone.
    edit.setFocus();
    edit.clear();
    QTest::keyClick(&edit, Qt::Key_S, Qt::AltModifier);
    QTest::keyClick(&edit, 'a', Qt::AltModifier | Qt::ShiftModifier);
    QTest::keyClick(&editor, Qt::Key_Adiaeresis, Qt::AltModifier);
    QTest::keyClick(&editor, Qt::Key_Q, Qt::AltModifier);
    QTest::keyClick(&edit, Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(edit.text(), QStringLiteral("q"));
    QCOMPARE(editor.toPlainText(), QString());
    QCOMPARE(commands.size(), size_t(4));

    filter.setSuspended(true);
    QTest::keyClick(&edit, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(commands.size(), size_t(4));
    qApp->removeEventFilter(&filter);
  }

  void acceleratorTableMatchesOnlyExactModifiers() {
    auto command = [](int key, Qt::KeyboardModifiers modifiers) {
      QKeyEvent event(QEvent::KeyPress, key, modifiers);
      return acceleratorCommand(event);
    };
    QCOMPARE(command(Qt::Key_S, Qt::ControlModifier), GadgetId::StartToggle);
    QCOMPARE(command(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier), std::nullopt);
    QCOMPARE(command(Qt::Key_S, Qt::NoModifier), std::nullopt);
    QCOMPARE(command(Qt::Key_8, Qt::ControlModifier | Qt::KeypadModifier), GadgetId::ShiftUpButton);
    QCOMPARE(command(Qt::Key_8, Qt::ControlModifier), std::nullopt);  // main keyboard
    // Num Lock off: the numpad 8 is an arrow key.
    QCOMPARE(command(Qt::Key_Up, Qt::ControlModifier | Qt::KeypadModifier), std::nullopt);
    QCOMPARE(command(Qt::Key_0, Qt::ControlModifier), GadgetId::RestorePanelCommand);
    QCOMPARE(command(Qt::Key_0, Qt::ControlModifier | Qt::KeypadModifier),
             GadgetId::RestorePanelCommand);
    QCOMPARE(command(Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier),
             GadgetId::OpenSourceButton);
    QCOMPARE(command(Qt::Key_B, Qt::ControlModifier), std::nullopt);
    int mapped = 0;
    for (int key = Qt::Key_A; key <= Qt::Key_Z; ++key) {
      mapped += command(key, Qt::ControlModifier).has_value();
    }
    QCOMPARE(mapped, 16);
  }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
