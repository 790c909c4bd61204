#include <QKeyEvent>
#include <QTest>

#include "screen/KeyboardState.h"
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
  void aKeyCountsAsLetGoOnceWhateverTheLengthOfThePress() {
    KeyboardState keys;
    keys.press(scanCode::p);
    int released = 0;
    for (int snapshot = 0; snapshot < 5; ++snapshot) {
      keys.takeSnapshot(true);
      QVERIFY(keys.held(scanCode::p));
      released += keys.released(scanCode::p);
    }
    keys.release(scanCode::p);
    for (int snapshot = 0; snapshot < 3; ++snapshot) {
      keys.takeSnapshot(true);
      QVERIFY(!keys.held(scanCode::p));
      released += keys.released(scanCode::p);
    }
    QCOMPARE(released, 1);
  }

  void aTapBetweenTwoSnapshotsIsNotLost() {
    KeyboardState keys;
    keys.press(scanCode::escape);
    keys.release(scanCode::escape);
    keys.takeSnapshot(true);
    QVERIFY(keys.held(scanCode::escape));
    QVERIFY(!keys.released(scanCode::escape));
    keys.takeSnapshot(true);
    QVERIFY(!keys.held(scanCode::escape));
    QVERIFY(keys.released(scanCode::escape));
  }

  void losingTheKeyboardIsNoLettingGo() {
    KeyboardState keys;
    keys.press(scanCode::space);
    keys.takeSnapshot(true);
    QVERIFY(!keys.released(scanCode::space));
    keys.takeSnapshot(false);
    QVERIFY(!keys.held(scanCode::space));
    QVERIFY(!keys.released(scanCode::space));
    keys.releaseAll();
    keys.takeSnapshot(true);
    QVERIFY(!keys.released(scanCode::space));
    // Codes that are no keys are never down.
    keys.press(-1);
    keys.press(KeyboardState::keyCount);
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
