#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QTest>
#include <QThread>
#include <QTimer>

#include "engine/GenerationStep.h"
#include "settings/Text.h"
#include "shell/driver/SimulationDriver.h"
#include "tests/shell/ProgramFixture.h"
#include "tests/support/GenerationReplay.h"
#include "view/FieldView.h"

using namespace orvalis;

namespace {

constexpr FieldSize startSize{50, 50};

// Collects the areas that the main window paints.
struct PaintWatch : QObject {
  QRegion painted;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      painted += static_cast<QPaintEvent*>(event)->region();
    }
    return false;
  }
};

}  // namespace

class SimulationDriverTest : public QObject, test::ProgramFixture {
  Q_OBJECT

  std::unique_ptr<LifeField> start_;

  FieldView& view() { return program->mainWindow(); }
  SimulationDriver& driver() { return program->driver(); }
  QWidget& stepWindow() { return program->stepWindow(); }
  LifeField& field() { return program->field(); }
  Cell& cell(int x, int y) { return field().cells.at(x, y); }
  long long value(GadgetId id) { return gadgets().gadgetValue(id); }
  QWidget* stepButton() { return gadgets().gadgetHandle(GadgetId::StepButton); }
  bool screenEnabled() { return gadgets().gadgetHandle(GadgetId::ScreenButton)->isEnabled(); }

  void ctrl(Qt::Key key, Qt::KeyboardModifiers more = {}) {
    QTest::keyClick(&view(), key, Qt::ControlModifier | more);
  }
  void click(GadgetId id) { QTest::mouseClick(gadgets().gadgetHandle(id), Qt::LeftButton); }
  void middleClick() { QTest::mouseClick(&view(), Qt::MiddleButton, {}, QPoint(5, 5)); }
  QPoint inside(int x, int y) { return QPoint(cell(x, y).pixelX + 1, cell(x, y).pixelY + 1); }

  // A glider on the 50 x 50 torus, placed without an edit; its generations
  // repeat only after 200 steps, so the steps made since can be counted.
  void placeGlider() {
    gadgets().setGadgetValue(GadgetId::InfiniteCheck, 1);
    for (const QPoint p : {QPoint(2, 1), QPoint(3, 2), QPoint(1, 3), QPoint(2, 3), QPoint(3, 3)}) {
      cell(p.x(), p.y()).state = CellState::Alive;
    }
    start_ = test::copyOfField(field(), startSize);
  }
  int stepsSinceGlider() {
    return test::stepsBetween(*start_, field(), {startSize, true}, 190).value_or(-1);
  }
  void setIntervalText(long long milliseconds) {
    gadgets().setGadgetText(GadgetId::IntervalSpin, decimalText(milliseconds));
  }

  bool panelShown() { return panel().isVisible(); }
  bool running() { return value(GadgetId::StartToggle) != 0; }

 private slots:
  void init() {
    startProgram();
    QVERIFY(showWithActivePanel());
    placeGlider();
  }
  void cleanup() { endProgram(); }

  void startRunsUntilTheToggleIsReleased() {
    setIntervalText(20);
    click(GadgetId::StartToggle);
    QVERIFY(running());
    QVERIFY(!screenEnabled());
    QCOMPARE(driver().simulationInterval(), 20);
    QTRY_VERIFY(stepsSinceGlider() >= 3);
    QVERIFY(panelShown());
    QVERIFY(!stepWindow().isVisible());

    click(GadgetId::StartToggle);
    QVERIFY(!running());
    QVERIFY(screenEnabled());
    QCOMPARE(driver().simulationInterval(), std::nullopt);
    const int steps = stepsSinceGlider();
    QTest::qWait(100);
    QCOMPARE(stepsSinceGlider(), steps);
  }

  void intervalComesFromTheText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("interval");    // -1: no ticks
    QTest::addColumn<int>("fieldValue");  // the field's value meanwhile
    QTest::newRow("zero") << "0" << 10 << 1000;
    QTest::newRow("empty") << "" << 10 << 1000;
    QTest::newRow("below the minimum") << "7" << 10 << 7;
    QTest::newRow("digits and letters") << "  +25ms" << 25 << 1000;
    QTest::newRow("above the range") << "20000" << 20000 << 1000;
    QTest::newRow("beyond any timer") << "99999999999" << 2147483647 << 1000;
    QTest::newRow("negative") << "-5" << -1 << 1000;
  }
  void intervalComesFromTheText() {
    QFETCH(QString, text);
    QFETCH(int, interval);
    QFETCH(int, fieldValue);
    gadgets().setGadgetText(GadgetId::IntervalSpin, text.toStdString());
    ctrl(Qt::Key_S);
    QVERIFY(running());
    QVERIFY(!screenEnabled());
    QCOMPARE(driver().simulationInterval().value_or(-1), interval);
    QCOMPARE(value(GadgetId::IntervalSpin), fieldValue);
    if (interval < 0) {
      QTest::qWait(100);
      QCOMPARE(stepsSinceGlider(), 0);
    }
    ctrl(Qt::Key_S);
    QVERIFY(screenEnabled());
  }

  void emptyIntervalTicksEveryTenMilliseconds() {
    gadgets().setGadgetText(GadgetId::IntervalSpin, "");
    QElapsedTimer clock;
    clock.start();
    ctrl(Qt::Key_S);
    // Ten steps come long before a tick of a longer interval would.
    QTRY_VERIFY_WITH_TIMEOUT(stepsSinceGlider() >= 10, 3000);
    const int steps = stepsSinceGlider();
    QVERIFY2(steps <= clock.elapsed() / 10 + 1, "ticks come faster than every 10 ms");
    ctrl(Qt::Key_S);
  }

  // A tick that comes while the program is busy is delivered once, late;
  // the ticks missed meanwhile are not made up.
  void aBusyProgramMissesTicksInsteadOfPilingThemUp() {
    setIntervalText(10);
    ctrl(Qt::Key_S);
    QTRY_VERIFY(stepsSinceGlider() >= 1);
    const int before = stepsSinceGlider();
    QThread::msleep(200);
    QCoreApplication::processEvents();
    QVERIFY(stepsSinceGlider() - before <= 2);
    ctrl(Qt::Key_S);
  }

  void keepsSteppingBehindAMessageBox() {
    setIntervalText(10);
    ctrl(Qt::Key_S);
    int stepsWhileShown = -1;
    QTimer::singleShot(300, [&] {
      stepsWhileShown = stepsSinceGlider();
      QApplication::activeModalWidget()->close();
    });
    platform::DialogMessageBoxes boxes;
    boxes.show(&view(), {"Bitte warten", "Orvalis", MessageIcon::None, MessageButtons::Ok});
    QVERIFY(stepsWhileShown >= 5);
    ctrl(Qt::Key_S);
  }

  void startWithHideHidesThePanelUntilTheRestore() {
    ctrl(Qt::Key_H);
    ctrl(Qt::Key_S);
    QVERIFY(running());
    QVERIFY(!panelShown());
    QVERIFY(!stepWindow().isVisible());
    ctrl(Qt::Key_S);  // stops, but the panel stays away
    QVERIFY(!running());
    QVERIFY(screenEnabled());
    QVERIFY(!panelShown());

    ctrl(Qt::Key_S);
    middleClick();  // brings the panel back and stops
    QVERIFY(panelShown());
    QVERIFY(!running());
    QVERIFY(screenEnabled());
    QCOMPARE(driver().simulationInterval(), std::nullopt);
    QCOMPARE(value(GadgetId::HideCheck), 1);
    QVERIFY(!stepWindow().isVisible());
  }

  void ctrlHWhileHiddenTurnsTheRestoreOff() {
    ctrl(Qt::Key_H);
    ctrl(Qt::Key_S);
    QVERIFY(!panelShown());
    ctrl(Qt::Key_H);
    QCOMPARE(value(GadgetId::HideCheck), 0);
    middleClick();
    ctrl(Qt::Key_0);
    QVERIFY(!panelShown());
    QVERIFY(running());
    ctrl(Qt::Key_H);
    middleClick();
    QVERIFY(panelShown());
    QVERIFY(!running());
  }

  void middleClickWithoutHideChangesNothing() {
    middleClick();
    QVERIFY(panelShown());
    QVERIFY(!running());
    ctrl(Qt::Key_S);
    middleClick();
    QVERIFY(running());
    QVERIFY(driver().simulationInterval().has_value());
    QVERIFY(panelShown());
    ctrl(Qt::Key_S);
  }

  // Starting and stopping repaint the field: the frame of the cell under
  // the pointer shows only while stopped.
  void startAndStopRepaintTheHoverFrame() {
    QVERIFY(QTest::qWaitForWindowExposed(&view()));
    QTest::mouseMove(&view(), inside(20, 20));
    const QRect frame(cell(20, 20).pixelX, cell(20, 20).pixelY, view().queryCellSize().width(),
                      view().queryCellSize().height());
    PaintWatch watch;
    view().installEventFilter(&watch);
    setIntervalText(10000);
    ctrl(Qt::Key_S);
    QTRY_VERIFY(watch.painted.contains(frame));
    watch.painted = QRegion();
    ctrl(Qt::Key_S);
    QTRY_VERIFY(watch.painted.contains(frame));
  }

  // A blinker drawn with the mouse: the first step after the drawing only
  // shows the coming change; the next one makes it.
  void firstStepAfterAnEditOnlyMarks() {
    for (const int x : {10, 11, 12}) {
      QTest::mouseClick(&view(), Qt::LeftButton, {}, inside(x, 10));
    }
    QVERIFY(field().fieldEdited);
    setIntervalText(10000);
    ctrl(Qt::Key_S);
    driver().tick();
    QVERIFY(!field().fieldEdited);
    QCOMPARE(cell(10, 10).state, CellState::Alive);
    QCOMPARE(cell(10, 10).pending, PendingMark::Die);
    QCOMPARE(cell(11, 9).state, CellState::Dead);
    QCOMPARE(cell(11, 9).pending, PendingMark::Birth);
    driver().tick();
    QCOMPARE(cell(10, 10).state, CellState::Dead);
    QCOMPARE(cell(11, 9).state, CellState::Alive);
    ctrl(Qt::Key_S);

    // "Schritt" follows the same protocol.
    QTest::mouseClick(&view(), Qt::RightButton, {}, inside(11, 9));
    click(GadgetId::StepButton);
    QCOMPARE(cell(11, 11).state, CellState::Alive);
    QCOMPARE(cell(11, 11).pending, PendingMark::Die);
    click(GadgetId::StepButton);
    QCOMPARE(cell(11, 11).state, CellState::Dead);
  }

  // The marks of the old size are never applied: the first step judges the
  // resized field without counting, the second gives its next generation.
  void resizingMakesTheNextStepJudgeTheResizedField_data() {
    QTest::addColumn<int>("columns");
    QTest::addColumn<bool>("torus");
    QTest::newRow("wider torus") << 70 << true;
    QTest::newRow("narrower torus") << 30 << true;
    QTest::newRow("wider plane") << 70 << false;
    QTest::newRow("narrower plane") << 30 << false;
  }
  void resizingMakesTheNextStepJudgeTheResizedField() {
    QFETCH(int, columns);
    QFETCH(bool, torus);
    gadgets().setGadgetValue(GadgetId::InfiniteCheck, torus ? 1 : 0);
    for (int y = 0; y < startSize.rows; ++y) {
      for (int x = 0; x < startSize.columns; ++x) {
        cell(x, y).state = (x * 7 + y * 13) % 5 == 0 ? CellState::Alive : CellState::Dead;
      }
    }
    click(GadgetId::StepButton);
    click(GadgetId::StepButton);
    const FieldSize resized{columns, startSize.rows};
    gadgets().setGadgetValue(GadgetId::SizeXSpin, columns);
    const long long afterResize = field().generation;
    const auto expected = test::copyOfField(field(), resized);
    expected->fieldEdited = true;
    const StepSettings step{resized, torus};
    for (int k = 0; k < 2; ++k) {
      click(GadgetId::StepButton);
      advanceGeneration(*expected, step, nullptr);
      QVERIFY(test::sameGeneration(field(), *expected, resized));
      QCOMPARE(field().generation, afterResize + k);
    }
  }

  void stepButtonStepsOnClickAndRepeatsWhileHeld() {
    click(GadgetId::StepButton);
    QCOMPARE(stepsSinceGlider(), 1);

    // The repeat reads the field's value, 40, not the text.
    gadgets().setGadgetValue(GadgetId::IntervalSpin, 40);
    gadgets().setGadgetText(GadgetId::IntervalSpin, "5000 ms");
    QElapsedTimer held;
    QTest::mousePress(stepButton(), Qt::LeftButton);
    held.start();
    QTest::qWait(200);
    QCOMPARE(stepsSinceGlider(), 1);  // nothing in the first 500 ms
    QTest::qWait(600);
    QTest::mouseRelease(stepButton(), Qt::LeftButton);
    const int repeats = stepsSinceGlider() - 2;  // less the click and the release
    QVERIFY2(repeats >= 2, qPrintable(QString::number(repeats)));
    QVERIFY2(repeats <= (held.elapsed() - 500) / 40 + 1, qPrintable(QString::number(repeats)));

    // The second press of a double click starts no repeat; each release
    // still steps.
    const int before = stepsSinceGlider();
    QTest::mousePress(stepButton(), Qt::LeftButton);
    QTest::mouseRelease(stepButton(), Qt::LeftButton);
    QTest::mouseDClick(stepButton(), Qt::LeftButton);
    QTest::qWait(700);
    QTest::mouseRelease(stepButton(), Qt::LeftButton);
    QCOMPARE(stepsSinceGlider() - before, 2);
  }

  void stepWithHideMovesTheButtonIntoTheStepWindow() {
    ctrl(Qt::Key_H);
    click(GadgetId::StepButton);
    QCOMPARE(stepsSinceGlider(), 1);
    QCOMPARE(stepButton()->parentWidget(), &stepWindow());
    QCOMPARE(stepButton()->geometry(), QRect(0, 0, 55, 25));
    QVERIFY(stepButton()->isVisible());
    QVERIFY(stepWindow().isVisible());
    QVERIFY(!panelShown());
    QTRY_VERIFY(view().isActiveWindow());

    click(GadgetId::StepButton);  // now in the step window: only steps
    ctrl(Qt::Key_Tab);
    QCOMPARE(stepsSinceGlider(), 3);
    QCOMPARE(stepButton()->parentWidget(), &stepWindow());
    QVERIFY(!panelShown());

    ctrl(Qt::Key_0, Qt::KeypadModifier);
    QCOMPARE(stepButton()->parentWidget(), &panel());
    QCOMPARE(stepButton()->geometry(), QRect(112, 2, 55, 25));
    QVERIFY(stepButton()->isVisible());
    QVERIFY(!stepWindow().isVisible());
    QVERIFY(panelShown());
    QCOMPARE(stepsSinceGlider(), 3);
  }

  // Whatever hides the panel leaves the main window active, so that the
  // Ctrl keys, Ctrl+0 among them, keep working.
  void hidingThePanelActivatesTheMainWindow_data() {
    QTest::addColumn<bool>("byClick");
    QTest::addColumn<Qt::Key>("key");
    QTest::newRow("Ctrl+S") << false << Qt::Key_S;
    QTest::newRow("click on Start") << true << Qt::Key_S;
    QTest::newRow("Ctrl+Tab") << false << Qt::Key_Tab;
  }
  void hidingThePanelActivatesTheMainWindow() {
    QFETCH(bool, byClick);
    QFETCH(Qt::Key, key);
    ctrl(Qt::Key_H);
    if (byClick) {
      click(GadgetId::StartToggle);
    } else {
      QTest::keyClick(&panel(), key, Qt::ControlModifier);
    }
    QVERIFY(!panelShown());
    QTRY_COMPARE(QApplication::activeWindow(), &view());
    QVERIFY(!stepWindow().isActiveWindow());
  }

  // "Schritt" stays under the pointer when it moves into the step window,
  // which never takes activation from the main window.
  void stepWindowAppearsWhereTheButtonStood() {
    panel().move(300, 200);
    const QPoint buttonOnScreen = stepButton()->mapToGlobal(QPoint());
    ctrl(Qt::Key_H);
    click(GadgetId::StepButton);
    QCOMPARE(stepWindow().geometry().topLeft(), buttonOnScreen);
    QCOMPARE(stepButton()->mapToGlobal(QPoint()), buttonOnScreen);
    QVERIFY(stepWindow().windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    QVERIFY(stepWindow().testAttribute(Qt::WA_ShowWithoutActivating));
    ctrl(Qt::Key_0);
    panel().move(40, 60);
    const QPoint placeOnPanel = panel().mapToGlobal(QPoint(112, 2));
    ctrl(Qt::Key_Tab);
    QCOMPARE(stepWindow().geometry().topLeft(), placeOnPanel);
  }

  // A panel that the user minimised comes back as a normal window.
  void restoreShowsAMinimisedPanelNormally() {
    ctrl(Qt::Key_H);
    panel().showMinimized();
    QVERIFY(panel().isMinimized());
    ctrl(Qt::Key_0);
    QVERIFY(panelShown());
    QVERIFY(!panel().isMinimized());
    panel().showMinimized();
    ctrl(Qt::Key_S);
    middleClick();
    QVERIFY(panelShown());
    QVERIFY(!panel().isMinimized());
  }

  // Running while stepping alone: Ctrl+S starts, the restore stops.
  void restoreFromTheStepWindowStopsTheSimulation() {
    ctrl(Qt::Key_H);
    ctrl(Qt::Key_Tab);
    setIntervalText(10);
    ctrl(Qt::Key_S);
    QVERIFY(stepWindow().isVisible());
    QTRY_VERIFY(stepsSinceGlider() >= 3);
    ctrl(Qt::Key_0);
    QVERIFY(!running());
    QVERIFY(panelShown());
    QVERIFY(!stepWindow().isVisible());
    const int steps = stepsSinceGlider();
    QTest::qWait(60);
    QCOMPARE(stepsSinceGlider(), steps);
  }

  // At the first repeat the button moves, and that ends the press: no more
  // repeats, and no step at the release.
  void holdingStepWithHideEndsAtTheFirstRepeat() {
    ctrl(Qt::Key_H);
    gadgets().setGadgetValue(GadgetId::IntervalSpin, 20);
    QTest::mousePress(stepButton(), Qt::LeftButton);
    QTRY_COMPARE(stepButton()->parentWidget(), &stepWindow());
    QCOMPARE(stepsSinceGlider(), 1);
    QTest::qWait(150);
    QTest::mouseRelease(stepButton(), Qt::LeftButton);
    QCOMPARE(stepsSinceGlider(), 1);
    QVERIFY(!static_cast<QAbstractButton*>(stepButton())->isDown());
  }
};

QTEST_MAIN(SimulationDriverTest)
#include "SimulationDriverTest.moc"
