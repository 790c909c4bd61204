#include <QtTest/qtestspontaneevent.h>
#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "shell/panel/ControlPanel.h"
#include "shell/startup/Accelerators.h"
#include "shell/startup/PlatformChoice.h"
#include "shell/startup/Program.h"
#include "shell/startup/StartFailure.h"
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
  // window: closing it ends the event loop, also while running and hidden,
  // and so does the end of the session, which asks every shown window.
  void closingTheMainWindowEndsTheProgram_data() {
    QTest::addColumn<bool>("sessionEnds");
    QTest::newRow("main window closed") << false;
    QTest::newRow("session ends") << true;
  }

  void closingTheMainWindowEndsTheProgram() {
    QFETCH(bool, sessionEnds);
    test::FakeMessageBoxes messages;
    Program program(messages);
    program.show();
    program.controlPanel().command(GadgetId::HideCheck, CommandSource::Accelerator);
    program.controlPanel().command(GadgetId::StepButton, CommandSource::Accelerator);
    QVERIFY(program.stepWindow().isVisible());
    if (sessionEnds) {
      // With the panel shown as well.
      program.controlPanel().show();
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    } else {
      QTimer::singleShot(0, &program.mainWindow(), [&] { program.mainWindow().close(); });
    }
    QTimer watchdog;
    watchdog.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
      timedOut = true;
      QApplication::exit(1);
    });
    watchdog.start(5000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!timedOut);
    QVERIFY(!program.mainWindow().isVisible());
    QVERIFY(!program.controlPanel().isVisible());
    QVERIFY(!program.stepWindow().isVisible());
  }

  // The tool windows have no close box, and hidden they would have no way
  // back. An X11 window manager's close (Alt+F4, its close message) arrives
  // as a spontaneous event; Qt's Wayland client closes the window itself
  // when the compositor asks.
  void closeRequestsCloseNeitherToolWindow_data() {
    QTest::addColumn<bool>("wayland");
    QTest::newRow("X11 window manager") << false;
    QTest::newRow("Wayland compositor") << true;
  }

  void closeRequestsCloseNeitherToolWindow() {
    QFETCH(bool, wayland);
    test::FakeMessageBoxes messages;
    Program program(messages);
    program.show();
    program.stepWindow().show();
    const auto requestClose = [wayland](QWidget& window) {
      if (wayland) {
        window.windowHandle()->close();
        return;
      }
      QCloseEvent close;
      QSpontaneKeyEvent::setSpontaneous(&close);
      QApplication::sendEvent(window.windowHandle(), &close);
    };
    requestClose(program.controlPanel());
    requestClose(program.stepWindow());
    QVERIFY(program.controlPanel().isVisible());
    QVERIFY(program.stepWindow().isVisible());
    requestClose(program.mainWindow());
    QVERIFY(!program.mainWindow().isVisible());
  }

  // X11 wherever an X server answers, as only there the program may place
  // its windows; what the user asks for always wins.
  void platformChoiceFollowsTheSession_data() {
    QTest::addColumn<bool>("platformAsked");
    QTest::addColumn<bool>("xDisplayAnswers");
    QTest::addColumn<bool>("waylandDisplaySet");
    QTest::addColumn<QString>("platform");
    QTest::newRow("X11 session") << false << true << false << "xcb";
    QTest::newRow("Wayland session with XWayland") << false << true << true << "xcb";
    QTest::newRow("Wayland session without X") << false << false << true << "wayland";
    QTest::newRow("asked for, Wayland session") << true << true << true << "";
    QTest::newRow("no display at all") << false << false << false << "";
  }

  void platformChoiceFollowsTheSession() {
    QFETCH(bool, platformAsked);
    QFETCH(bool, xDisplayAnswers);
    QFETCH(bool, waylandDisplaySet);
    QFETCH(QString, platform);
    const DisplaySession session{platformAsked, xDisplayAnswers, waylandDisplaySet};
    QCOMPARE(QString::fromStdString(choosePlatform(session)), platform);
  }

  // Qt's own messages of a start that found no platform, as Qt 6.4 gives
  // them, and the one line that names the cause.
  void startFailureNamesQtsCause_data() {
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("waylandDisplay");
    QTest::addColumn<QString>("cause");
    QTest::newRow("Wayland plugin missing")
        << QStringList{QStringLiteral("Could not find the Qt platform plugin \"wayland\" in \"\"")}
        << ":0"
        << "wayland-1"
        << "the Qt platform plugin \"wayland\" is not installed (Debian package qt6-wayland)";
    QTest::newRow("unknown plugin")
        << QStringList{QStringLiteral("Could not find the Qt platform plugin \"nosuch\" in \"\"")}
        << ""
        << ""
        << "the Qt platform plugin \"nosuch\" is not installed (installed: minimal, offscreen, "
           "xcb)";
    QTest::newRow("X server gone")
        << QStringList{QStringLiteral("could not connect to display :9"),
                       QStringLiteral("Could not load the Qt platform plugin \"xcb\" in \"\" even "
                                      "though it was found.")}
        << ":9"
        << ""
        << "no X display could be reached at DISPLAY=:9";
    QTest::newRow("Wayland, then X11, neither there")
        << QStringList{QStringLiteral("Failed to create wl_display (No such file or directory)"),
                       QStringLiteral("Could not load the Qt platform plugin \"wayland\" in \"\" "
                                      "even though it was found."),
                       QStringLiteral("could not connect to display "),
                       QStringLiteral("Could not load the Qt platform plugin \"xcb\" in \"\" even "
                                      "though it was found.")}
        << ""
        << "wayland-9"
        << "no Wayland display could be reached at WAYLAND_DISPLAY=wayland-9; no X display could "
           "be "
           "reached (DISPLAY is not set)";
    QTest::newRow("no display at all")
        << QStringList{QStringLiteral("could not connect to display "),
                       QStringLiteral("Could not load the Qt platform plugin \"xcb\" in \"\" even "
                                      "though it was found.")}
        << ""
        << ""
        << "no display could be reached (neither DISPLAY nor WAYLAND_DISPLAY is set)";
    QTest::newRow("other reason")
        << QStringList{QStringLiteral("vnc: cannot listen\nport 5900 taken"),
                       QStringLiteral("Could not load the Qt platform plugin \"vnc\" in \"\" even "
                                      "though it was found.")}
        << ":0"
        << ""
        << "the Qt platform plugin \"vnc\" did not start: vnc: cannot listen";
    QTest::newRow("nothing Qt names")
        << QStringList{} << ":0"
        << ""
        << "This application failed to start because no Qt platform plugin could be initialized.";
  }

  void startFailureNamesQtsCause() {
    QFETCH(QStringList, messages);
    QFETCH(QString, display);
    QFETCH(QString, waylandDisplay);
    QFETCH(QString, cause);
    std::vector<std::string> held;
    for (const QString& message : messages) {
      held.push_back(message.toStdString());
    }
    const std::string fatal =
        "This application failed to start because no Qt platform plugin could be "
        "initialized.\n\nAvailable platform plugins are: minimal, offscreen, xcb.\n";
    QCOMPARE(QString::fromStdString(startFailureCause(
                 held, fatal, {display.toStdString(), waylandDisplay.toStdString()})),
             cause);
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
