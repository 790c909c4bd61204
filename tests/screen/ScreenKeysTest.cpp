#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include "screen/KeyboardState.h"
#include "screen/PresentationWindow.h"
#include "screen/ScanCodes.h"

using namespace orvalis;

namespace {

int scanCodeOfQtKey(int key, quint32 nativeScanCode = 0) {
  const QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, nativeScanCode, 0, 0);
  return scanCodeOf(event);
}

}  // namespace

class ScreenKeysTest : public QObject {
  Q_OBJECT

 private slots:
  // Events for P as "P500" (press at 500 ms), "R" (release), lower case where
  // the window system flags them as repetition, "|" for a snapshot; the
  // result has a character a snapshot: L where P counts as let go, h where
  // it is held, . where it is up.
  void aKeyCountsAsLetGoOnceWhateverTheLengthOfThePress_data() {
    QTest::addColumn<QString>("events");
    QTest::addColumn<QString>("snapshots");
    QTest::newRow("tap between snapshots") << "P0 R30 | |"
                                           << "hL";
    QTest::newRow("short press") << "P0 | R50 | |"
                                 << "hL.";
    QTest::newRow("repetition flagged") << "P0 | r500 p500 | r533 p533 | R900 | |"
                                        << "hhhhL";
    QTest::newRow("repetition unflagged") << "P0 | R500 P500 | R533 P533 | R900 | |"
                                          << "hhhhL";
    QTest::newRow("repetition split over frames") << "P0 | R500 | P500 | R533 | P533 | R900 | |"
                                                  << "hhhhhhL";
    QTest::newRow("release unflagged, press flagged") << "P0 | R500 | p500 | R900 | |"
                                                      << "hhhhL";
    QTest::newRow("two presses") << "P0 | R500 | | P600 | R650 | |"
                                 << "hhLhL.";
  }

  void aKeyCountsAsLetGoOnceWhateverTheLengthOfThePress() {
    QFETCH(QString, events);
    KeyboardState keys;
    QString snapshots;
    for (const QString& event : events.split(QLatin1Char(' '))) {
      if (event == QLatin1String("|")) {
        keys.takeSnapshot(true);
        const bool letGo = keys.released(scanCode::p);
        snapshots += letGo ? 'L' : keys.held(scanCode::p) ? 'h' : '.';
        continue;
      }
      const long long time = event.mid(1).toLongLong();
      const bool repeated = event[0].isLower();
      if (event[0].toUpper() == QLatin1Char('P')) {
        keys.press(scanCode::p, time, repeated);
      } else {
        keys.release(scanCode::p, time, repeated);
      }
    }
    QTEST(snapshots, "snapshots");
  }

  // The window hands time stamps and flags on as the window system sets them.
  void presentationWindowTellsRepetitionFromPresses() {
    const QImage frame(8, 8, QImage::Format_RGB32);
    KeyboardState keys;
    PresentationWindow window(frame, keys);
    const auto send = [&](QEvent::Type type, unsigned long time, bool repeated) {
      QKeyEvent event(type, Qt::Key_P, Qt::NoModifier, QStringLiteral("p"), repeated);
      event.setTimestamp(time);
      QApplication::sendEvent(&window, &event);
    };
    int letGo = 0;
    const auto snapshot = [&] {
      keys.takeSnapshot(true);
      letGo += keys.released(scanCode::p);
    };
    send(QEvent::KeyPress, 1000, false);
    snapshot();
    for (unsigned long time = 1500; time < 2000; time += 33) {
      send(QEvent::KeyRelease, time, false);
      snapshot();
      send(QEvent::KeyPress, time, time % 2 == 0);
      snapshot();
    }
    QCOMPARE(letGo, 0);
    send(QEvent::KeyRelease, 2500, false);
    snapshot();
    snapshot();
    QCOMPARE(letGo, 1);
  }

  void losingTheKeyboardIsNoLettingGo() {
    KeyboardState keys;
    keys.press(scanCode::space, 0);
    keys.takeSnapshot(true);
    QVERIFY(!keys.released(scanCode::space));
    keys.takeSnapshot(false);
    QVERIFY(!keys.held(scanCode::space));
    QVERIFY(!keys.released(scanCode::space));
    keys.releaseAll();
    keys.takeSnapshot(true);
    QVERIFY(!keys.released(scanCode::space));
    // Codes that are no keys are never down.
    keys.press(-1, 0);
    keys.press(KeyboardState::keyCount, 0);
    keys.takeSnapshot(true);
    QVERIFY(!keys.held(-1));
    QVERIFY(!keys.held(KeyboardState::keyCount));
  }

  void linuxKeyCodesBecomePcScanCodes() {
    QCOMPARE(scanCodeOfLinuxKey(1), scanCode::escape);
    QCOMPARE(scanCodeOfLinuxKey(19), scanCode::r);
    QCOMPARE(scanCodeOfLinuxKey(25), scanCode::p);
    QCOMPARE(scanCodeOfLinuxKey(28), scanCode::enter);
    QCOMPARE(scanCodeOfLinuxKey(46), scanCode::c);
    QCOMPARE(scanCodeOfLinuxKey(57), scanCode::space);
    QCOMPARE(scanCodeOfLinuxKey(88), 0x58);   // F12
    QCOMPARE(scanCodeOfLinuxKey(96), 0x9C);   // numpad Enter is not Return
    QCOMPARE(scanCodeOfLinuxKey(103), 0xC8);  // cursor up, not numpad 8
    QCOMPARE(scanCodeOfLinuxKey(0), -1);
    QCOMPARE(scanCodeOfLinuxKey(89), -1);
    QCOMPARE(scanCodeOfLinuxKey(400), -1);
  }

  void withoutHardwareCodesTheQtKeyDecides() {
    QCOMPARE(scanCodeOfQtKey(Qt::Key_Escape), scanCode::escape);
    QCOMPARE(scanCodeOfQtKey(Qt::Key_P), scanCode::p);
    QCOMPARE(scanCodeOfQtKey(Qt::Key_Return), scanCode::enter);
    QCOMPARE(scanCodeOfQtKey(Qt::Key_Enter), 0x9C);
    QCOMPARE(scanCodeOfQtKey(Qt::Key_Space), scanCode::space);
    QCOMPARE(scanCodeOfQtKey(Qt::Key_C), scanCode::c);
    QCOMPARE(scanCodeOfQtKey(Qt::Key_R), scanCode::r);
    QCOMPARE(scanCodeOfQtKey(Qt::Key_Q), 0x10);
    QCOMPARE(scanCodeOfQtKey(Qt::Key_L), 0x26);
    QCOMPARE(scanCodeOfQtKey(Qt::Key_M), 0x32);
    QCOMPARE(scanCodeOfQtKey(Qt::Key_1), 0x02);
    QCOMPARE(scanCodeOfQtKey(Qt::Key_0), 0x0B);
    QCOMPARE(scanCodeOfQtKey(Qt::Key_F1), 0x3B);
    QCOMPARE(scanCodeOfQtKey(Qt::Key_F12), 0x58);
    QCOMPARE(scanCodeOfQtKey(Qt::Key_Ampersand), -1);
    // Only X11 and Wayland codes are Linux key codes; offscreen they are not.
    QCOMPARE(scanCodeOfQtKey(Qt::Key_A, 25 + 8), 0x1E);
  }
};

QTEST_MAIN(ScreenKeysTest)
#include "ScreenKeysTest.moc"
