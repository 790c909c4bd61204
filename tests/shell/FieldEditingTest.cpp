#include <QMouseEvent>
#include <QTableWidget>
#include <QTest>
#include <array>
#include <fstream>
#include <functional>
#include <vector>

#include "engine/CellBlock.h"
#include "files/FileFormats.h"
#include "shell/editing/EditingKeys.h"
#include "shell/editing/FieldEditing.h"
#include "tests/shell/ProgramFixture.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WindowPixels.h"
#include "view/FieldView.h"
#include "view/SelectionOverlay.h"

using namespace orvalis;

namespace {

// Everything undo and redo give back: every cell of the grid and the counts.
struct FieldState {
  std::vector<std::array<std::int8_t, 3>> cells;
  FieldSize size;
  long long generation = 0;
  long long rememberedGeneration = 0;
  int population = 0;
  bool fieldEdited = false;
  bool operator==(const FieldState&) const = default;
};

FieldState stateOf(const LifeField& field, FieldSize size) {
  FieldState state{
      {}, size, field.generation, field.rememberedGeneration, field.population, field.fieldEdited};
  for (int x = 0; x < gridColumns; ++x) {
    for (int y = 0; y < gridRows; ++y) {
      const Cell& cell = field.cells.at(x, y);
      state.cells.push_back({static_cast<std::int8_t>(cell.state),
                             static_cast<std::int8_t>(cell.remembered),
                             static_cast<std::int8_t>(cell.pending)});
    }
  }
  return state;
}

constexpr const char* glider = "#N Glider\nx = 3, y = 3, rule = B3/S23\nbob$2bo$3o!\n";

}  // namespace

class FieldEditingTest : public QObject, test::ProgramFixture {
  Q_OBJECT

  test::TempFolder folder;
  FieldView& view() { return program->mainWindow(); }
  LifeField& field() { return program->field(); }
  FieldState state() { return stateOf(field(), visibleFieldSize(gadgets())); }
  QPoint inside(int x, int y) {
    const Cell& cell = field().cells.at(x, y);
    return {cell.pixelX + 1, cell.pixelY + 1};
  }
  std::string patternFile() {
    const std::string path = folder.path("glider.rle");
    std::ofstream(path) << glider;
    return path;
  }
  void key(int key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(&view(), Qt::Key(key), modifiers);
  }
  // A new selection: Escape first, or a Shift press inside the old one
  // would move it.
  void select(CellRect rect) {
    key(Qt::Key_Escape);
    QTest::mousePress(&view(), Qt::LeftButton, Qt::ShiftModifier, inside(rect.x, rect.y));
    const QPoint end = inside(rect.x + rect.width - 1, rect.y + rect.height - 1);
    QTest::mouseMove(&view(), end);
    QTest::mouseRelease(&view(), Qt::LeftButton, Qt::ShiftModifier, end);
  }
  // A move of the pointer alone, sent straight to the view: QTest's moves
  // go through the platform's cursor and may reach another window.
  void pointTo(int x, int y) {
    const QPointF pixel = inside(x, y);
    QMouseEvent move(QEvent::MouseMove, pixel, view().mapToGlobal(pixel), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&view(), &move);
  }
  // Pastes the clipboard with its centre cell at (x, y).
  void pasteAt(int x, int y) {
    pointTo(x, y);
    key(Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::mouseClick(&view(), Qt::LeftButton, {}, inside(x, y));
  }

 private slots:
  void init() {
    startProgram();
    QVERIFY(showWithActivePanel());
    view().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&view()));
    key(Qt::Key_F, Qt::ControlModifier);  // "Zufall": something to edit
    program->editing().startHistory();
  }
  void cleanup() { endProgram(); }

  void undoingEveryEditGivesTheStartAndRedoingTheEnd() {
    using Action = std::function<void(FieldEditingTest&)>;
    // A key, on a selection when one is given.
    const auto keys = [](int key, Qt::KeyboardModifiers modifiers,
                         std::optional<CellRect> selection = std::nullopt) -> Action {
      return [=](FieldEditingTest& t) {
        if (selection) {
          t.select(*selection);
        }
        t.key(key, modifiers);
      };
    };
    const CellRect part{20, 20, 9, 6};
    const std::vector<std::pair<const char*, Action>> actions = {
        {"stroke",
         [](FieldEditingTest& t) {
           QTest::mousePress(&t.view(), Qt::LeftButton, {}, t.inside(2, 2));
           QTest::mouseMove(&t.view(), t.inside(9, 2));
           QTest::mouseRelease(&t.view(), Qt::LeftButton, {}, t.inside(9, 2));
         }},
        {"erase",
         [](FieldEditingTest& t) {
           QTest::mouseClick(&t.view(), Qt::RightButton, {}, t.inside(3, 2));
         }},
        {"Schritt", keys(Qt::Key_Tab, Qt::ControlModifier)},
        {"Zurück", keys(Qt::Key_Z, Qt::ControlModifier)},
        {"Leeren", keys(Qt::Key_L, Qt::ControlModifier)},
        {"Zufall", keys(Qt::Key_F, Qt::ControlModifier)},
        {"shift", keys(Qt::Key_6, Qt::ControlModifier | Qt::KeypadModifier)},
        {"size",
         [](FieldEditingTest& t) {
           const bool wide = t.gadgets().gadgetValue(GadgetId::SizeXSpin) == 31;
           t.gadgets().setGadgetValue(GadgetId::SizeXSpin, wide ? 37 : 31);
         }},
        {"clear selection", keys(Qt::Key_Delete, {}, CellRect{4, 4, 6, 5})},
        {"cut", keys(Qt::Key_X, Qt::ControlModifier, CellRect{10, 3, 5, 7})},
        {"clear outside",
         keys(Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier, CellRect{1, 1, 20, 20})},
        {"random fill", keys(Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier, part)},
        {"flip", keys(Qt::Key_X, {}, part)},
        {"rotate", keys(Qt::Key_Period, {}, part)},
        {"move",
         [](FieldEditingTest& t) {
           t.select({20, 20, 9, 6});
           QTest::mousePress(&t.view(), Qt::LeftButton, Qt::ShiftModifier, t.inside(22, 22));
           QTest::mouseMove(&t.view(), t.inside(12, 30));
           QTest::mouseRelease(&t.view(), Qt::LeftButton, Qt::ShiftModifier, t.inside(12, 30));
         }},
        {"load",
         [](FieldEditingTest& t) {
           t.fileDialogs->choose(t.patternFile(), loadIndex(FormatId::Rle));
           t.key(Qt::Key_D, Qt::ControlModifier);
         }},
        {"paste",
         [](FieldEditingTest& t) {
           t.desktop->clipboard = glider;
           t.pasteAt(25, 40);
         }},
        {"open by name", [](FieldEditingTest& t) { t.program->openFile(t.patternFile()); }},
    };
    // Every action changes the field; the last ones see the field the first
    // ones left.
    for (std::size_t first : {0u, 7u}) {
      key(Qt::Key_F, Qt::ControlModifier);
      program->editing().startHistory();
      const FieldState start = state();
      std::vector<FieldState> after;
      for (std::size_t i = first; i < actions.size(); ++i) {
        actions[i].second(*this);
        QVERIFY2(after.empty() ? state() != start : state() != after.back(), actions[i].first);
        after.push_back(state());
      }
      for (std::size_t i = after.size(); i-- > 0;) {
        key(Qt::Key_Backspace, Qt::AltModifier);
        QVERIFY2(state() == (i == 0 ? start : after[i - 1]), actions[first + i].first);
      }
      key(Qt::Key_Backspace, Qt::AltModifier);  // nothing left to undo
      QVERIFY(state() == start);
      for (std::size_t i = 0; i < after.size(); ++i) {
        key(i % 2 == 0 ? Qt::Key_Y : Qt::Key_Z,
            i % 2 == 0 ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY2(state() == after[i], actions[first + i].first);
      }
      QCOMPARE(view().fieldLayout().columns, visibleFieldSize(gadgets()).columns);
    }
  }

  void stepBackReturnsEachGenerationWithItsMarksAndCount() {
    std::vector<FieldState> generations{state()};
    for (int i = 0; i < 6; ++i) {
      key(Qt::Key_Tab, Qt::ControlModifier);
      generations.push_back(state());
    }
    QCOMPARE(field().generation, 5);  // the first step only judges
    for (std::size_t i = generations.size() - 1; i-- > 0;) {
      key(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
      QVERIFY(state() == generations[i]);
    }
    QTest::mouseClick(&view(), Qt::LeftButton, {}, inside(1, 1));
    const FieldState edited = state();
    key(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);  // an edit is no generation
    QVERIFY(state() == edited);
    QCOMPARE(gadgets().gadgetText(GadgetId::StatusLine).substr(0, 12), "Generation 0");
  }

  void copyThenPasteAtTheSamePlaceChangesNoCell() {
    const CellRect rect{5, 6, 12, 9};
    for (const Qt::Key mode : {Qt::Key_unknown, Qt::Key_M}) {  // Or, then Copy
      select(rect);
      key(Qt::Key_C, Qt::ControlModifier);
      const CellBlock copied = trimmed(copyBlock(field().cells, rect));
      // Where the trimmed block lies within the selection.
      int left = rect.width;
      int top = rect.height;
      for (int y = 0; y < rect.height; ++y) {
        for (int x = 0; x < rect.width; ++x) {
          if (field().cells.at(rect.x + x, rect.y + y).state != CellState::Dead) {
            left = std::min(left, x);
            top = std::min(top, y);
          }
        }
      }
      const CellBlock field50 = copyBlock(field().cells, {0, 0, 50, 50});
      if (mode != Qt::Key_unknown) {
        key(mode);
      }
      pointTo(rect.x + left + copied.width / 2, rect.y + top + copied.height / 2);
      key(Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
      const auto& floating = view().selectionEditor().floating();
      QVERIFY(floating.has_value());
      QVERIFY(floating->block == copied);
      QCOMPARE(QPoint(floating->x, floating->y), QPoint(rect.x + left, rect.y + top));
      QTest::mouseClick(&view(), Qt::LeftButton, {},
                        inside(rect.x + left + copied.width / 2, rect.y + top + copied.height / 2));
      QVERIFY(!view().selectionEditor().floating());
      QVERIFY(copyBlock(field().cells, {0, 0, 50, 50}) == field50);
    }
  }

  void pasteRefusesWhatItCannotPlace() {
    gadgets().setGadgetValue(GadgetId::SizeXSpin, 20);
    program->editing().startHistory();
    const FieldState before = state();
    for (const char* text : {"", "Ein Gleiter fliegt.", "x = 21, y = 1, rule = B3/S23\n21o!\n"}) {
      messages->shown.clear();
      desktop->clipboard = text;
      key(Qt::Key_Insert, Qt::ShiftModifier);
      QCOMPARE(messages->shown.size(), 1u);
      QVERIFY(!view().selectionEditor().floating());
      QVERIFY(state() == before);
    }
    QVERIFY(messages->shown.back().text.find("21") != std::string::npos);
  }

  QWidget* helpWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->isVisible() && window->windowTitle() == QStringLiteral("Tastenkürzel")) {
        return window;
      }
    }
    return nullptr;
  }

  void editingWaitsWhileRunningAndLeavesTextFieldsTheirKeys() {
    desktop->clipboard = glider;
    key(Qt::Key_S, Qt::ControlModifier);  // "&Start"
    key(Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(!view().selectionEditor().floating());
    key(Qt::Key_S, Qt::ControlModifier);

    QWidget* author = gadgets().gadgetHandle(GadgetId::AuthorField);
    panel().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&panel()));
    author->setFocus();
    QTest::keyClick(author, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(desktop->clipboard, glider);
    QVERIFY(helpWindow() == nullptr);
    QTest::keyClick(author, Qt::Key_F1);
    QVERIFY(helpWindow() != nullptr);
  }

  void helpListsEveryEditingKey() {
    key(Qt::Key_F1);
    QVERIFY(helpWindow() != nullptr);
    const auto* table = helpWindow()->findChild<QTableWidget*>();
    QStringList shown;
    for (int row = 0; row < table->rowCount(); ++row) {
      shown << table->item(row, 0)->text() + QStringLiteral(": ") + table->item(row, 1)->text();
    }
    for (const EditingKey& entry : editingKeys()) {
      QVERIFY2(shown.join('\n').contains(QString::fromUtf8(entry.description)), entry.description);
    }
  }

  void selectionAndFloatingPatternShowAndGo() {
    const QRgb white = qRgb(255, 255, 255);
    key(Qt::Key_L, Qt::ControlModifier);
    select({3, 3, 4, 4});
    QVERIFY(test::shownPixels(view()).pixel(inside(4, 4)) != white);
    QVERIFY2(test::staleArea(view()).isEmpty(), qPrintable(test::staleArea(view())));
    key(Qt::Key_Escape);
    QCOMPARE(test::shownPixels(view()).pixel(inside(4, 4)), white);
    desktop->clipboard = glider;
    pointTo(20, 20);
    key(Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(test::shownPixels(view()).pixel(inside(21, 21)) != white);  // the glider's corner
    pointTo(30, 30);
    QCOMPARE(test::shownPixels(view()).pixel(inside(21, 21)), white);
    QVERIFY2(test::staleArea(view()).isEmpty(), qPrintable(test::staleArea(view())));
    key(Qt::Key_Escape);
    QCOMPARE(field().population, 0);
  }
};

QTEST_MAIN(FieldEditingTest)
#include "FieldEditingTest.moc"
