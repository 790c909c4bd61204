#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "engine/CellGrid.h"
#include "settings/GadgetTable.h"
#include "tests/shell/ProgramFixture.h"
#include "view/FieldView.h"

using namespace orvalis;

namespace {

int aliveCells(const CellGrid& grid, int columns, int rows) {
  int alive = 0;
  for (int x = 0; x < columns; ++x) {
    for (int y = 0; y < rows; ++y) {
      alive += grid.at(x, y).state == CellState::Alive;
    }
  }
  return alive;
}

}  // namespace

class PanelCommandsTest : public QObject, test::ProgramFixture {
  Q_OBJECT

  PanelHooks& hooks() { return panel().hooks(); }
  CellGrid& cells() { return program->field().cells; }
  QWidget* handle(GadgetId id) { return gadgets().gadgetHandle(id); }
  long long value(GadgetId id) { return gadgets().gadgetValue(id); }

  void click(GadgetId id) {
    // Inside the indicator of a check box, the middle of a button.
    QWidget* control = handle(id);
    const bool check = gadgetKind(id) == GadgetKind::Check;
    QTest::mouseClick(control, Qt::LeftButton, {},
                      check ? QPoint(6, control->height() / 2) : control->rect().center());
  }
  void ctrl(QWidget* target, Qt::Key key, Qt::KeyboardModifiers more = {}) {
    QTest::keyClick(target, key, Qt::ControlModifier | more);
  }

 private slots:
  void init() { startProgram(); }
  void cleanup() { endProgram(); }

  void checkBoxesFlipOnCtrlKeysAndOnceOnClicks() {
    QWidget* view = &program->mainWindow();
    program->show();
    QVERIFY(QTest::qWaitForWindowExposed(view));
    struct PaintCount : QObject {
      int paints = 0;
      bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
      }
    } repaints;
    view->installEventFilter(&repaints);
    QTest::qWait(50);
    repaints.paints = 0;
    ctrl(view, Qt::Key_G);
    QCOMPARE(value(GadgetId::GridCheck), 1);
    QTRY_VERIFY(repaints.paints > 0);  // the grid lines come or go
    click(GadgetId::GridCheck);
    QCOMPARE(value(GadgetId::GridCheck), 0);
    ctrl(view, Qt::Key_H);
    QCOMPARE(value(GadgetId::HideCheck), 1);
    click(GadgetId::HideCheck);
    QCOMPARE(value(GadgetId::HideCheck), 0);

    ctrl(view, Qt::Key_I);
    QCOMPARE(value(GadgetId::InfiniteCheck), 1);
    QVERIFY(program->field().fieldEdited);
    program->field().fieldEdited = false;
    click(GadgetId::InfiniteCheck);
    QCOMPARE(value(GadgetId::InfiniteCheck), 0);
    QVERIFY(program->field().fieldEdited);
  }

  void startFlipsBeforeItsHookRuns() {
    std::vector<long long> seen;
    hooks().startStop = [&] { seen.push_back(value(GadgetId::StartToggle)); };
    ctrl(&program->mainWindow(), Qt::Key_S);
    click(GadgetId::StartToggle);
    ctrl(&program->mainWindow(), Qt::Key_S);
    QCOMPARE(seen, (std::vector<long long>{1, 0, 1}));

    int presentations = 0;
    hooks().presentation = [&] { ++presentations; };
    ctrl(&program->mainWindow(), Qt::Key_R);  // running: nothing
    QCOMPARE(presentations, 0);
    gadgets().setGadgetValue(GadgetId::StartToggle, 0);
    ctrl(&program->mainWindow(), Qt::Key_R);
    click(GadgetId::ScreenButton);
    QCOMPARE(presentations, 2);
  }

  void focusCommandsSelectTheWholeText() {
    QVERIFY(showWithActivePanel());
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    gadgets().setGadgetText(GadgetId::CommentEditor, "Ein\r\nKommentar");
    gadgets().focusGadget(GadgetId::CommentEditor);
    auto* editor = static_cast<QPlainTextEdit*>(handle(GadgetId::CommentEditor));
    QTRY_VERIFY(editor->hasFocus());

    ctrl(editor, Qt::Key_V);
    auto* interval = static_cast<QLineEdit*>(handle(GadgetId::IntervalSpin));
    QTRY_COMPARE(QApplication::focusWidget(), interval);
    QCOMPARE(interval->selectedText(), QStringLiteral("1000"));
    QCOMPARE(gadgets().gadgetText(GadgetId::CommentEditor), "Ein\r\nKommentar");

    gadgets().setGadgetText(GadgetId::AuthorField, "Conway");
    ctrl(interval, Qt::Key_A);
    auto* author = static_cast<QLineEdit*>(handle(GadgetId::AuthorField));
    QTRY_COMPARE(QApplication::focusWidget(), author);
    QCOMPARE(author->selectedText(), QStringLiteral("Conway"));

    gadgets().setGadgetText(GadgetId::SourceField, "www.example.org");
    ctrl(author, Qt::Key_Q);
    auto* source = static_cast<QLineEdit*>(handle(GadgetId::SourceField));
    QTRY_COMPARE(QApplication::focusWidget(), source);
    QCOMPARE(source->selectedText(), QStringLiteral("www.example.org"));

    ctrl(source, Qt::Key_K);
    QTRY_COMPARE(QApplication::focusWidget(), editor);
    QCOMPARE(editor->textCursor().selectedText(), QStringLiteral("Ein\u2029Kommentar"));
  }

  void focusCommandsBringTheFocusBackFromTheMainWindow() {
    QVERIFY(showWithActivePanel());
    program->mainWindow().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&program->mainWindow()));
    ctrl(&program->mainWindow(), Qt::Key_V);
    QTRY_COMPARE(QApplication::focusWidget(), handle(GadgetId::IntervalSpin));
    QCOMPARE(QApplication::activeWindow(), &panel());
  }

  void ctrlZInATextFieldRestoresTheField() {
    QVERIFY(showWithActivePanel());
    cells().at(1, 1).state = CellState::Alive;
    cells().at(2, 1).remembered = CellState::Static;
    gadgets().focusGadget(GadgetId::AuthorField);
    auto* author = static_cast<QLineEdit*>(handle(GadgetId::AuthorField));
    QTRY_VERIFY(author->hasFocus());
    QTest::keyClicks(author, "abc");
    ctrl(author, Qt::Key_Z);
    QCOMPARE(author->text(), QStringLiteral("abc"));
    QCOMPARE(cells().at(1, 1).state, CellState::Dead);
    QCOMPARE(cells().at(2, 1).state, CellState::Static);
    QVERIFY(program->field().fieldEdited);
  }

  void ctrlMRemembersTheVisibleField() {
    cells().at(3, 3).state = CellState::Blocked;
    cells().at(60, 3).state = CellState::Alive;  // outside the 50 x 50 field
    ctrl(&program->mainWindow(), Qt::Key_M);
    QCOMPARE(cells().at(3, 3).remembered, CellState::Blocked);
    QCOMPARE(cells().at(60, 3).remembered, CellState::Dead);
    QVERIFY(program->field().fieldEdited);
  }

  void ctrlLClearsTheWholeGridAndTheComment() {
    gadgets().setGadgetText(GadgetId::CommentEditor, "weg damit");
    gadgets().setGadgetText(GadgetId::AuthorField, "bleibt");
    cells().at(0, 0).state = CellState::Alive;
    cells().at(499, 499).remembered = CellState::Static;
    cells().at(10, 10).pending = PendingMark::Birth;
    ctrl(handle(GadgetId::AuthorField), Qt::Key_L);
    QCOMPARE(cells().at(0, 0).state, CellState::Dead);
    QCOMPARE(cells().at(499, 499).remembered, CellState::Dead);
    QCOMPARE(cells().at(10, 10).pending, PendingMark::None);
    QCOMPARE(gadgets().gadgetText(GadgetId::CommentEditor), "");
    QCOMPARE(gadgets().gadgetText(GadgetId::AuthorField), "bleibt");
    QVERIFY(!program->field().fieldEdited);
  }

  void randomFillReadsSizeAndPercentAtTheClick() {
    gadgets().setGadgetText(GadgetId::CommentEditor, "alt");
    cells().at(100, 100).state = CellState::Static;
    gadgets().setGadgetValue(GadgetId::RandomPercentSpin, 1);
    click(GadgetId::RandomButton);
    QCOMPARE(aliveCells(cells(), 50, 50), 25);
    QCOMPARE(aliveCells(cells(), 500, 500), 25);
    QCOMPARE(gadgets().gadgetText(GadgetId::CommentEditor), "");
    QCOMPARE(cells().at(100, 100).state, CellState::Static);

    gadgets().setGadgetValue(GadgetId::SizeXSpin, 20);
    gadgets().setGadgetValue(GadgetId::SizeYSpin, 10);
    gadgets().setGadgetValue(GadgetId::RandomPercentSpin, 100);
    const int outside = aliveCells(cells(), 500, 500) - aliveCells(cells(), 20, 10);
    program->field().fieldEdited = false;  // set by the resize
    ctrl(&program->mainWindow(), Qt::Key_F);
    QCOMPARE(aliveCells(cells(), 20, 10), 200);
    QCOMPARE(aliveCells(cells(), 500, 500), 200 + outside);
    QCOMPARE(cells().at(5, 5).remembered, CellState::Alive);
    QVERIFY(!program->field().fieldEdited);
  }

  void numpadKeysShiftAndArrowKeysDoNot() {
    QWidget* view = &program->mainWindow();
    cells().at(5, 5).state = CellState::Alive;
    ctrl(view, Qt::Key_8, Qt::KeypadModifier);
    QCOMPARE(cells().at(5, 4).state, CellState::Alive);
    ctrl(view, Qt::Key_6, Qt::KeypadModifier);
    QCOMPARE(cells().at(6, 4).state, CellState::Alive);
    ctrl(view, Qt::Key_2, Qt::KeypadModifier);
    QCOMPARE(cells().at(6, 5).state, CellState::Alive);
    ctrl(view, Qt::Key_4, Qt::KeypadModifier);
    QCOMPARE(cells().at(5, 5).state, CellState::Alive);
    QCOMPARE(aliveCells(cells(), 50, 50), 1);
    QVERIFY(program->field().fieldEdited);

    // Num Lock off, or the digits of the main keyboard: no shift.
    ctrl(view, Qt::Key_Up, Qt::KeypadModifier);
    ctrl(view, Qt::Key_Left, Qt::KeypadModifier);
    ctrl(view, Qt::Key_8);
    QCOMPARE(cells().at(5, 5).state, CellState::Alive);

    // The shifts read "Infinit" when they run: row 0 wraps to the bottom.
    cells().at(5, 5).state = CellState::Dead;
    cells().at(7, 0).state = CellState::Alive;
    gadgets().setGadgetValue(GadgetId::InfiniteCheck, 1);
    click(GadgetId::ShiftUpButton);
    QCOMPARE(cells().at(7, 49).state, CellState::Alive);
    gadgets().setGadgetValue(GadgetId::InfiniteCheck, 0);
    click(GadgetId::ShiftDownButton);
    QCOMPARE(aliveCells(cells(), 50, 50), 0);
  }

  void otherCommandsReachTheirHooks() {
    std::vector<std::string> calls;
    auto record = [&](const char* name) { return [&calls, name] { calls.push_back(name); }; };
    hooks().step = record("step");
    hooks().save = record("save");
    hooks().load = record("load");
    hooks().about = record("about");
    hooks().openSource = record("openSource");
    hooks().dateNow = record("dateNow");
    hooks().restorePanel = record("restorePanel");
    QWidget* view = &program->mainWindow();
    ctrl(view, Qt::Key_Tab);
    ctrl(view, Qt::Key_P);
    ctrl(view, Qt::Key_D);
    click(GadgetId::AboutButton);
    ctrl(view, Qt::Key_Return);
    ctrl(view, Qt::Key_N);
    ctrl(view, Qt::Key_0);
    ctrl(view, Qt::Key_0, Qt::KeypadModifier);
    for (GadgetId id : {GadgetId::StepButton, GadgetId::SaveButton, GadgetId::LoadButton,
                        GadgetId::OpenSourceButton, GadgetId::DateNowButton}) {
      click(id);
    }
    QCOMPARE(calls, (std::vector<std::string>{"step", "save", "load", "about", "openSource",
                                              "dateNow", "restorePanel", "restorePanel", "step",
                                              "save", "load", "openSource", "dateNow"}));
  }

  // Options, spin fields other than the size, text fields and unknown
  // numbers change nothing; with no hooks set, nothing happens either.
  void commandsWithoutActionChangeNothing() {
    hooks() = PanelHooks{};
    cells().at(4, 4).state = CellState::Alive;
    gadgets().setGadgetText(GadgetId::CommentEditor, "bleibt");
    const auto snapshot = [&] {
      std::vector<std::string> settings;
      for (int number = 0; number <= 42; ++number) {
        const auto id = static_cast<GadgetId>(number);
        settings.push_back(std::to_string(value(id)) + "|" + gadgets().gadgetText(id));
      }
      return settings;
    };
    const auto before = snapshot();
    for (int number : {0,  1,  3,  4,  13, 21, 22, 23, 24, 25, 26, 28,
                       29, 31, 33, 35, 37, 38, 40, 41, 42, 43, -1, 7000}) {
      panel().command(static_cast<GadgetId>(number), CommandSource::Control);
    }
    QCOMPARE(snapshot(), before);
    QCOMPARE(cells().at(4, 4).state, CellState::Alive);
    QVERIFY(!program->field().fieldEdited);
  }
};

QTEST_MAIN(PanelCommandsTest)
#include "PanelCommandsTest.moc"
