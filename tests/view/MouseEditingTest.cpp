#include <QTest>

#include "tests/view/ShownView.h"

using namespace orvalis;
using test::ShownView;

namespace {

// A 50 x 50 field of 8-pixel cells on a 500 x 420 client: it spans x 50 to
// 449 and y 10 to 409.
constexpr QSize client(500, 420);
constexpr FieldSize fiftyByFifty{50, 50};

void setCell(LifeField& field, int x, int y, CellState state, PendingMark pending) {
  Cell& cell = field.cells.at(x, y);
  cell.state = state;
  cell.pending = pending;
}

}  // namespace

class MouseEditingTest : public QObject {
  Q_OBJECT

 private slots:
  void clickPaintsAndFirstTakesTheSnapshot() {
    ShownView view(client, fiftyByFifty);
    setCell(view.field, 5, 5, CellState::Alive, PendingMark::Die);
    view.field.cells.at(6, 6).remembered = CellState::Static;
    setCell(view.field, 60, 60, CellState::Alive, PendingMark::Die);  // beyond the field

    QTest::mouseMove(&view.view, view.inside(2, 3));  // the frame is on the cell already
    QVERIFY(!view.field.fieldEdited);
    QTest::mouseClick(&view.view, Qt::LeftButton, {}, view.inside(2, 3));
    const Cell& painted = view.field.cells.at(2, 3);
    QCOMPARE(painted.state, CellState::Alive);
    QCOMPARE(painted.remembered, CellState::Alive);
    QCOMPARE(painted.pending, PendingMark::Keep);
    QVERIFY(view.field.fieldEdited);
    // The field as it stood became the remembered one, without its preview.
    QCOMPARE(view.field.cells.at(5, 5).remembered, CellState::Alive);
    QCOMPARE(view.field.cells.at(5, 5).pending, PendingMark::None);
    QCOMPARE(view.field.cells.at(6, 6).remembered, CellState::Dead);
    QCOMPARE(view.field.cells.at(60, 60).remembered, CellState::Dead);
    QCOMPARE(view.field.cells.at(60, 60).pending, PendingMark::Die);

    // Once edited, further edits leave the rest of the field alone.
    setCell(view.field, 5, 5, CellState::Alive, PendingMark::Die);
    QTest::mouseClick(&view.view, Qt::LeftButton, {}, view.inside(7, 7));
    QCOMPARE(view.field.cells.at(7, 7).state, CellState::Alive);
    QCOMPARE(view.field.cells.at(5, 5).pending, PendingMark::Die);
  }

  void dragPaintsEveryReportedCellUntilRelease() {
    ShownView view(client, fiftyByFifty);
    QTest::mousePress(&view.view, Qt::LeftButton, {}, view.inside(1, 1));
    QTest::mouseMove(&view.view, view.inside(2, 1));
    QTest::mouseMove(&view.view, view.inside(2, 1) + QPoint(3, 3));  // same cell
    QTest::mouseMove(&view.view, view.inside(4, 1));                 // 3 was skipped
    QTest::mouseRelease(&view.view, Qt::LeftButton, {}, view.inside(4, 1));
    QTest::mouseMove(&view.view, view.inside(5, 1));
    for (const auto& [x, expected] : {std::pair{1, CellState::Alive},
                                      {2, CellState::Alive},
                                      {3, CellState::Dead},
                                      {4, CellState::Alive},
                                      {5, CellState::Dead}}) {
      QCOMPARE(view.field.cells.at(x, 1).state, expected);
    }
  }

  void rightButtonErasesEvenStaticCells() {
    ShownView view(client, fiftyByFifty);
    setCell(view.field, 4, 4, CellState::Static, PendingMark::Keep);
    view.field.cells.at(4, 4).remembered = CellState::Static;
    view.field.fieldEdited = true;
    QTest::mouseClick(&view.view, Qt::RightButton, {}, view.inside(4, 4));
    const Cell& erased = view.field.cells.at(4, 4);
    QCOMPARE(erased.state, CellState::Dead);
    QCOMPARE(erased.remembered, CellState::Dead);
    QCOMPARE(erased.pending, PendingMark::Keep);
  }

  void selectedOptionChoosesWhatIsPainted() {
    ShownView view(client, fiftyByFifty);
    for (int x = 0; x < 4; ++x) {
      setCell(view.field, x, 2, CellState::Alive, PendingMark::Keep);
    }
    view.settings.setGadgetValue(GadgetId::BlockedOption, 1);  // "Leer"
    QTest::mousePress(&view.view, Qt::LeftButton, {}, view.inside(0, 2));
    for (int x = 1; x < 4; ++x) {
      QTest::mouseMove(&view.view, view.inside(x, 2));
    }
    QTest::mouseRelease(&view.view, Qt::LeftButton, {}, view.inside(3, 2));
    const QImage image = view.shown();
    for (int x = 0; x < 4; ++x) {
      QCOMPARE(view.field.cells.at(x, 2).state, CellState::Blocked);
      QCOMPARE(image.pixelColor(view.fillOrigin(x, 2)), QColor(250, 250, 0));
    }

    view.settings.setGadgetValue(GadgetId::StaticOption, 1);
    QTest::mouseClick(&view.view, Qt::LeftButton, {}, view.inside(9, 9));
    QCOMPARE(view.field.cells.at(9, 9).state, CellState::Static);
  }

  void eitherButtonSwitchesOrEndsTheDrag() {
    ShownView view(client, fiftyByFifty);
    for (int x = 0; x < 6; ++x) {
      setCell(view.field, x, 0, CellState::Alive, PendingMark::Keep);
    }
    view.field.fieldEdited = true;
    QTest::mousePress(&view.view, Qt::LeftButton, {}, view.inside(8, 0));
    // The right button takes over: erasing starts with the cell under it.
    QTest::mousePress(&view.view, Qt::RightButton, {}, view.inside(1, 0));
    QCOMPARE(view.field.cells.at(1, 0).state, CellState::Dead);
    QTest::mouseMove(&view.view, view.inside(2, 0));
    QCOMPARE(view.field.cells.at(2, 0).state, CellState::Dead);
    // Releasing the left button ends the erasing drag.
    QTest::mouseRelease(&view.view, Qt::LeftButton, {}, view.inside(2, 0));
    QTest::mouseMove(&view.view, view.inside(3, 0));
    QCOMPARE(view.field.cells.at(3, 0).state, CellState::Alive);
    QTest::mouseRelease(&view.view, Qt::RightButton, {}, view.inside(3, 0));

    // Left drag, right release: over as well.
    QTest::mousePress(&view.view, Qt::LeftButton, {}, view.inside(10, 0));
    QTest::mouseRelease(&view.view, Qt::RightButton, {}, view.inside(10, 0));
    QTest::mouseMove(&view.view, view.inside(11, 0));
    QCOMPARE(view.field.cells.at(10, 0).state, CellState::Alive);
    QCOMPARE(view.field.cells.at(11, 0).state, CellState::Dead);
  }

  void pressWhileRunningEditsNothing() {
    ShownView view(client, fiftyByFifty);
    setCell(view.field, 3, 3, CellState::Alive, PendingMark::Die);
    view.settings.setGadgetValue(GadgetId::StartToggle, 1);
    QTest::mousePress(&view.view, Qt::LeftButton, {}, view.inside(2, 2));
    QTest::mouseMove(&view.view, view.inside(3, 3));
    QTest::mousePress(&view.view, Qt::RightButton, {}, view.inside(3, 3));
    QTest::mouseMove(&view.view, view.inside(3, 4));
    QTest::mouseRelease(&view.view, Qt::LeftButton, {}, view.inside(3, 4));
    QTest::mouseRelease(&view.view, Qt::RightButton, {}, view.inside(3, 4));
    QCOMPARE(view.field.cells.at(2, 2).state, CellState::Dead);
    QCOMPARE(view.field.cells.at(3, 3).state, CellState::Alive);
    QCOMPARE(view.field.cells.at(3, 3).pending, PendingMark::Die);
    QVERIFY(!view.field.fieldEdited);

    // A press while running also ends a drag begun before the start.
    view.settings.setGadgetValue(GadgetId::StartToggle, 0);
    QTest::mousePress(&view.view, Qt::LeftButton, {}, view.inside(5, 5));
    view.settings.setGadgetValue(GadgetId::StartToggle, 1);
    QTest::mousePress(&view.view, Qt::RightButton, {}, view.inside(5, 5));
    QTest::mouseMove(&view.view, view.inside(6, 5));
    QCOMPARE(view.field.cells.at(5, 5).state, CellState::Alive);
    QCOMPARE(view.field.cells.at(6, 5).state, CellState::Dead);
  }

  void pixelsOnTheFieldsRightAndBottomEdgeAreOutside() {
    ShownView view(client, fiftyByFifty);
    QCOMPARE(view.view.fieldLayout().offsetY, 10);
    for (const QPoint outside :
         {QPoint(450, 100), QPoint(100, 410), QPoint(49, 100), QPoint(100, 9)}) {
      QTest::mouseClick(&view.view, Qt::LeftButton, {}, outside);
    }
    QVERIFY(!view.field.fieldEdited);
    QTest::mouseClick(&view.view, Qt::LeftButton, {}, QPoint(449, 409));
    QCOMPARE(view.field.cells.at(49, 49).state, CellState::Alive);
  }

  void middleButtonRestoresOnlyWithHideChecked() {
    ShownView view(client, fiftyByFifty);
    int restores = 0;
    view.view.setRestoreHandler([&] { ++restores; });
    QTest::mouseClick(&view.view, Qt::MiddleButton, {}, view.inside(1, 1));
    view.view.middleButton();
    QCOMPARE(restores, 0);

    view.settings.setGadgetValue(GadgetId::HideCheck, 1);
    view.view.middleButton();
    QCOMPARE(restores, 1);
    // During a drag the middle button leaves the drag as it is.
    view.field.fieldEdited = true;
    QTest::mousePress(&view.view, Qt::LeftButton, {}, view.inside(1, 1));
    QTest::mousePress(&view.view, Qt::MiddleButton, {}, view.inside(1, 1));
    QTest::mouseRelease(&view.view, Qt::MiddleButton, {}, view.inside(1, 1));
    QTest::mouseMove(&view.view, view.inside(2, 1));
    QTest::mouseRelease(&view.view, Qt::LeftButton, {}, view.inside(2, 1));
    QCOMPARE(restores, 2);
    QCOMPARE(view.field.cells.at(2, 1).state, CellState::Alive);
  }
};

QTEST_MAIN(MouseEditingTest)
#include "MouseEditingTest.moc"
