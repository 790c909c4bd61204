#include <QPaintEvent>
#include <QTest>
#include <sstream>

#include "engine/FieldCommands.h"
#include "engine/GenerationStep.h"
#include "files/lifexml/LifeXmlWriter.h"
#include "tests/support/DocumentFiles.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WindowPixels.h"
#include "tests/view/ShownView.h"
#include "tools/Cli.h"
#include "view/FieldImage.h"

using namespace orvalis;
using test::settlePaints;
using test::shownPixels;
using test::ShownView;

namespace {

const QColor white(255, 255, 255);
const QColor black(0, 0, 0);
const QColor red(255, 0, 0);
const QColor aliveGrey(50, 50, 50);
const QColor birthGrey(220, 220, 220);
const QColor dieRed(150, 0, 0);
const QColor staticBlue(0, 0, 150);
const QColor blockedYellow(250, 250, 0);

// Counts the paint events of a widget and keeps the last painted area.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      ++paints;
      painted = static_cast<QPaintEvent*>(event)->rect();
    }
    return false;
  }
  int paints = 0;
  QRect painted;
};

int blackPixelsInRow(const QImage& image, int y) {
  int count = 0;
  for (int x = 0; x < image.width(); ++x) {
    count += image.pixelColor(x, y) == black;
  }
  return count;
}

}  // namespace

class FieldPaintingTest : public QObject {
  Q_OBJECT

 private slots:
  void layoutCentresSquareCellsAndWritesTheirPositions() {
    ShownView wide(QSize(500, 400), {50, 50});
    const FieldLayout& layout = wide.view.fieldLayout();
    QCOMPARE(wide.view.queryClientSize(), QSize(500, 400));
    QCOMPARE(wide.view.queryCellSize(), QSize(8, 8));
    QCOMPARE(layout.offsetX, 50);
    QCOMPARE(layout.offsetY, 0);
    QCOMPARE(wide.fillOrigin(0, 0), QPoint(51, 1));
    QCOMPARE(wide.fillOrigin(49, 49), QPoint(50 + 49 * 8 + 1, 49 * 8 + 1));

    ShownView odd(QSize(305, 305), {100, 100});
    QCOMPARE(odd.view.queryCellSize(), QSize(3, 3));
    QCOMPARE(odd.view.fieldLayout().offsetX, 2);  // 2 pixels left, 3 right
    QCOMPARE(odd.view.fieldLayout().offsetY, 2);
    QCOMPARE(odd.fillOrigin(99, 0), QPoint(2 + 99 * 3 + 1, 3));
  }

  void fieldSizeGrowsTheWindowToTwoPixelsACell() {
    ShownView view(QSize(600, 600), {50, 50});
    view.view.setFieldSize(400, 50);
    QCOMPARE(view.view.queryClientSize(), QSize(800, 600));
    QCOMPARE(view.view.queryCellSize(), QSize(2, 2));
    view.view.setFieldSize(50, 450);
    QCOMPARE(view.view.queryClientSize(), QSize(800, 900));
    QCOMPARE(view.view.minimumSize(), QSize(100, 900));
    // Out-of-range sizes are held within the grid.
    view.view.setFieldSize(0, 9000);
    QCOMPARE(view.view.fieldLayout().columns, 1);
    QCOMPARE(view.view.fieldLayout().rows, 500);
  }

  void aNewFieldSizeKeepsAWindowLargeEnough() {
    ShownView view(QSize(500, 400), {50, 50});
    view.view.resize(400, 400);
    QTRY_COMPARE(view.view.queryClientSize(), QSize(400, 400));
    QCOMPARE(view.fillOrigin(0, 0), QPoint(1, 1));
    view.view.setFieldSize(100, 80);
    QCOMPARE(view.view.queryCellSize(), QSize(4, 4));
    QCOMPARE(view.view.fieldLayout().columns, 100);
    QCOMPARE(view.view.queryClientSize(), QSize(400, 400));
  }

  void cellsShowStateAndPreviewColours() {
    ShownView view(QSize(500, 400), {50, 50});
    CellGrid& cells = view.field.cells;
    cells.at(0, 0).state = CellState::Alive;
    cells.at(1, 0).state = CellState::Static;
    cells.at(2, 0).state = CellState::Blocked;
    cells.at(3, 0) = {CellState::Alive, CellState::Dead, PendingMark::Die, 0, 0};
    cells.at(4, 0).pending = PendingMark::Birth;
    cells.at(5, 0).pending = PendingMark::Die;  // dead: nothing to show
    cells.at(6, 0).state = static_cast<CellState>(-1);
    cells.at(7, 0).state = static_cast<CellState>(7);
    cells.at(8, 0) = {CellState::Alive, CellState::Dead, PendingMark::Birth, 0, 0};
    cells.at(9, 0) = {static_cast<CellState>(-5), CellState::Dead, PendingMark::Birth, 0, 0};
    writeCellPositions(cells, view.view.fieldLayout());
    const QImage image = view.picture();
    const QColor colours[] = {aliveGrey, staticBlue, blockedYellow, dieRed,    birthGrey,
                              white,     white,      aliveGrey,     birthGrey, birthGrey};
    for (int x = 0; x < 10; ++x) {
      const QPoint origin = view.fillOrigin(x, 0);
      // The fill covers exactly 7 x 7 pixels between the grid lines.
      QCOMPARE(image.pixelColor(origin), colours[x]);
      QCOMPARE(image.pixelColor(origin + QPoint(6, 6)), colours[x]);
      QCOMPARE(image.pixelColor(origin + QPoint(7, 3)), white);  // frame off: no grid line
      QCOMPARE(image.pixelColor(origin + QPoint(3, 7)), white);
    }
    QCOMPARE(image.pixelColor(view.fillOrigin(10, 0)), white);
  }

  void gridLinesOrOneFrame() {
    // 100 x 100 cells of 3 pixels from (2, 2): the field ends at 302.
    ShownView view(QSize(305, 305), {100, 100});
    view.field.cells.at(99, 50).state = CellState::Alive;
    view.settings.setGadgetValue(GadgetId::GridCheck, 1);
    QImage image = view.picture();
    QCOMPARE(blackPixelsInRow(image, 2 + 50 * 3 + 1), 101);
    // A horizontal line, and the last vertical one beside its end point.
    QCOMPARE(blackPixelsInRow(image, 2 + 50 * 3), 301);
    // Lines stop short of their end points: the last vertical line ends
    // above the last horizontal one, which ends left of it.
    QCOMPARE(image.pixelColor(302, 301), black);
    QCOMPARE(image.pixelColor(301, 302), black);
    QCOMPARE(image.pixelColor(302, 302), white);
    QCOMPARE(image.pixelColor(303, 150), white);
    QCOMPARE(image.pixelColor(1, 150), white);

    view.settings.setGadgetValue(GadgetId::GridCheck, 0);
    image = view.picture();
    QCOMPARE(blackPixelsInRow(image, 100), 2);
    QCOMPARE(image.pixelColor(2, 100), black);
    QCOMPARE(image.pixelColor(301, 100), black);  // one pixel inside the last grid line
    QCOMPARE(image.pixelColor(302, 100), white);
    QCOMPARE(blackPixelsInRow(image, 2), 300);
    QCOMPARE(blackPixelsInRow(image, 301), 300);
    // Cells are filled after the frame, over its right edge.
    QCOMPARE(image.pixelColor(301, 2 + 50 * 3 + 1), aliveGrey);
  }

  void hoverFrameMarksTheCellOnlyWhileStopped() {
    ShownView view(QSize(500, 400), {50, 50});
    view.field.cells.at(2, 3).state = CellState::Alive;
    view.settings.setGadgetValue(GadgetId::GridCheck, 1);
    view.view.invalidateAll();
    // The frame lies on the cell's left and top grid lines and one pixel
    // inside its right and bottom ones, over the fill's edge; it leaves the
    // cell that the pointer left. What the window shows is checked.
    const int left = 50 + 2 * 8;
    const int top = 3 * 8;
    QTest::mouseMove(&view.view, view.inside(2, 2));
    QTest::mouseMove(&view.view, view.inside(2, 3));
    QImage image = view.shown();
    QCOMPARE(image.pixelColor(left + 4, top - 8), black);
    for (const QPoint corner : {QPoint(left, top), QPoint(left + 7, top), QPoint(left, top + 7),
                                QPoint(left + 7, top + 7), QPoint(left + 4, top)}) {
      QCOMPARE(image.pixelColor(corner), red);
    }
    QCOMPARE(image.pixelColor(left + 6, top + 6), aliveGrey);
    QCOMPARE(image.pixelColor(left + 8, top + 4), black);
    QCOMPARE(image.pixelColor(left + 4, top + 8), black);

    view.settings.setGadgetValue(GadgetId::StartToggle, 1);
    image = view.picture();
    QCOMPARE(image.pixelColor(left, top), black);
    QCOMPARE(image.pixelColor(left + 7, top + 4), aliveGrey);

    view.settings.setGadgetValue(GadgetId::StartToggle, 0);
    QTest::mouseMove(&view.view, QPoint(20, 20));  // beside the field
    image = view.shown();
    QCOMPARE(image.pixelColor(left, top), black);
    QCOMPARE(image.pixelColor(left + 7, top + 4), aliveGrey);

    // Leaving the window takes the frame away as well.
    QTest::mouseMove(&view.view, view.inside(2, 3));
    QCOMPARE(view.shown().pixelColor(left, top), red);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&view.view, &leave);
    QCOMPARE(view.shown().pixelColor(left, top), black);
  }

  void cellSizeZeroPaintsNothing() {
    ShownView view(QSize(100, 100), {10, 10});
    view.view.resize(60, 60);  // the 10 x 10 field allows it
    QTRY_COMPARE(view.view.queryCellSize(), QSize(6, 6));
    view.field.cells.at(0, 0).state = CellState::Alive;
    view.settings.setGadgetValue(GadgetId::GridCheck, 1);
    QCOMPARE(view.picture().pixelColor(view.fillOrigin(0, 0)), aliveGrey);
    // A window kept smaller than the field needs, as a window manager may.
    view.settings.setGadgetValue(GadgetId::SizeXSpin, 100);
    view.view.setFieldSize(100, 10);
    view.view.setMinimumSize(1, 1);
    view.view.resize(60, 60);
    QTRY_COMPARE(view.view.queryCellSize(), QSize(0, 0));
    QTest::mouseClick(&view.view, Qt::LeftButton, {}, QPoint(1, 1));
    const QImage image = view.picture();
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        QCOMPARE(image.pixelColor(x, y), white);
      }
    }
    QVERIFY(!view.field.fieldEdited);
  }

  void stepInvalidationsArePaintedOnceAndMatchAFullPaint() {
    ShownView view(QSize(1000, 1000), {500, 500});
    view.settings.setGadgetValue(GadgetId::GridCheck, 1);
    Random random(7);
    randomFill(view.field, {500, 500}, 50, random);
    view.view.invalidateAll();
    settlePaints();
    PaintCounter counter(view.view);
    advanceGeneration(view.field, {{500, 500}, true}, &view.view);
    advanceGeneration(view.field, {{500, 500}, true}, &view.view);
    settlePaints();
    QCOMPARE(counter.paints, 1);
    QCOMPARE(shownPixels(view.view), view.picture());

    // Two far-apart cells: one paint that covers both.
    counter.paints = 0;  // grabbing paints too
    view.field.cells.at(0, 0).state = CellState::Static;
    view.field.cells.at(499, 499).state = CellState::Blocked;
    view.view.invalidateCell(0, 0, true);
    view.view.invalidateCell(499, 499, false);
    settlePaints();
    QCOMPARE(counter.paints, 1);
    QVERIFY(counter.painted.contains(QRect(view.fillOrigin(0, 0), QSize(1, 1))));
    QVERIFY(counter.painted.contains(QRect(view.fillOrigin(499, 499), QSize(1, 1))));
    QCOMPARE(shownPixels(view.view), view.picture());

    counter.paints = 0;
    settlePaints();
    QCOMPARE(counter.paints, 0);  // nothing new, nothing painted
  }

  // orvalis-cli render draws what the view shows at the same cell size.
  void renderedPicturesMatchTheView() {
    ShownView shown(QSize(100, 100), {10, 8});
    shown.view.resize(67, 53);  // 6-pixel cells, margins 3 and 2
    QTRY_COMPARE(shown.view.queryCellSize(), QSize(6, 6));
    CellGrid saved;
    for (CellGrid* grid : {&shown.field.cells, &saved}) {
      for (const auto& [x, y] : {std::pair{1, 0}, {2, 1}, {0, 2}, {1, 2}, {2, 2}, {9, 7}}) {
        grid->at(x, y).state = CellState::Alive;
      }
      grid->at(5, 4).state = CellState::Static;
      grid->at(6, 4).state = CellState::Blocked;
    }
    const test::TempFolder folder;
    const std::string pattern = folder.path("muster.lxm");
    QVERIFY(test::saveAs(FormatId::LifeXml, pattern, shown.settings, saved));

    // First the field as loaded, then with the coming births and deaths.
    for (const bool preview : {false, true}) {
      if (preview) {
        shown.field.fieldEdited = true;
        advanceGeneration(shown.field, {{10, 8}, false}, &shown.view);
      }
      for (const bool grid : {false, true}) {
        shown.settings.setGadgetValue(GadgetId::GridCheck, grid ? 1 : 0);
        shown.view.invalidateAll();
        settlePaints();
        const std::string picture = folder.path("bild.png");
        std::vector<std::string> args{"render", pattern, picture, "--cell-size=6"};
        if (grid) {
          args.push_back("--grid");
        }
        if (preview) {
          args.push_back("--preview");
        }
        std::ostringstream out, err;
        QCOMPARE(cli::runCli(args, out, err), cli::exitSuccess);
        const QImage rendered(QString::fromStdString(picture));
        QCOMPARE(rendered.convertToFormat(QImage::Format_RGB32),
                 shownPixels(shown.view).copy(fieldArea(shown.view.fieldLayout(), grid)));
      }
    }
  }

  void onlyTheDirtyAreaIsRepainted() {
    ShownView view(QSize(500, 400), {50, 50});
    PaintCounter counter(view.view);
    view.field.cells.at(10, 10).state = CellState::Alive;
    view.view.invalidateCell(10, 10, true);
    settlePaints();
    QCOMPARE(counter.paints, 1);
    QCOMPARE(counter.painted, QRect(view.fillOrigin(10, 10), QSize(8, 8)));
    QCOMPARE(shownPixels(view.view).pixelColor(view.fillOrigin(10, 10)), aliveGrey);
  }
};

QTEST_MAIN(FieldPaintingTest)
#include "FieldPaintingTest.moc"
