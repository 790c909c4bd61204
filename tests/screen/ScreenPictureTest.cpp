#include <QTest>

#include "screen/FieldPicture.h"
#include "screen/HeadlessScreenLayer.h"
#include "screen/ScreenLayout.h"
#include "view/FieldPalette.h"

using namespace orvalis;

namespace {

const QRgb white = palette::background;
const QRgb black = palette::line;

// A headless screen in full screen, ready to draw.
struct Screen {
  explicit Screen(QSize size) : layer(size) {
    layer.enterFullScreen(size.width(), size.height(), 32, QStringLiteral("LifeScreen"));
  }
  // The picture of the field as the presentation draws it.
  QImage picture(CellGrid& grid, FieldSize size, bool gridLines) {
    const ScreenLayout layout =
        screenLayout(layer.primaryScreenSize().width(), layer.primaryScreenSize().height(), size);
    writeScreenPositions(grid, layout);
    drawPresentationFrame(layer, grid, layout, gridLines);
    layer.presentFrame();
    return layer.lastFrame();
  }
  HeadlessScreenLayer layer;
};

int countInRow(const QImage& image, int y, QRgb colour) {
  int count = 0;
  for (int x = 0; x < image.width(); ++x) {
    count += image.pixel(x, y) == colour;
  }
  return count;
}

int countInColumn(const QImage& image, int x, QRgb colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    count += image.pixel(x, y) == colour;
  }
  return count;
}

}  // namespace

class ScreenPictureTest : public QObject {
  Q_OBJECT

 private slots:
  void fieldIsCentredWithTheLargestSquareCells() {
    const ScreenLayout small = screenLayout(1920, 1080, {50, 50});
    QCOMPARE(small.cellSize, 21);
    QCOMPARE(small.originX, 435);
    QCOMPARE(small.originY, 15);
    QCOMPARE(small.pixelX(0), 436);
    QCOMPARE(small.pixelY(0), 16);
    QCOMPARE(small.boxSize(), 20);
    QCOMPARE(small.pixelX(49), 436 + 49 * 21);

    const ScreenLayout full = screenLayout(1920, 1080, {500, 500});
    QCOMPARE(full.cellSize, 2);
    QCOMPARE(full.originX, 460);
    QCOMPARE(full.originY, 40);
    QCOMPARE(full.boxSize(), 1);
    QVERIFY(full.hasGridLines());

    // An odd leftover pixel goes to the right and bottom.
    const ScreenLayout odd = screenLayout(105, 51, {10, 5});
    QCOMPARE(odd.cellSize, 10);
    QCOMPARE(odd.originX, 2);
    QCOMPARE(odd.originY, 0);
  }

  void cellsBelowTwoPixelsBecomeSinglePixelsInAFrame() {
    const ScreenLayout fine = screenLayout(800, 600, {500, 500});
    QVERIFY(!fine.hasGridLines());
    QCOMPARE(fine.boxSize(), 1);
    QCOMPARE(fine.frameWidth(), 502);
    QCOMPARE(fine.originX, 149);
    QCOMPARE(fine.originY, 49);
    QCOMPARE(fine.pixelX(0), 150);
    QCOMPARE(fine.pixelX(499), 649);  // one pixel a cell, inside the frame

    // Larger than the screen: scaled down by the tighter direction, square.
    const ScreenLayout scaled = screenLayout(640, 480, {500, 500});
    QCOMPARE(scaled.frameWidth(), 480);
    QCOMPARE(scaled.frameHeight(), 480);
    QCOMPARE(scaled.originX, 80);
    QCOMPARE(scaled.originY, 0);
    QVERIFY(scaled.pixelX(499) < scaled.originX + scaled.frameWidth() - 1);
    QVERIFY(scaled.pixelY(499) < scaled.originY + scaled.frameHeight() - 1);
    QCOMPARE(scaled.pixelY(0), 1);

    const ScreenLayout wide = screenLayout(900, 300, {500, 100});
    QVERIFY(!wide.hasGridLines());
    QCOMPARE(wide.frameWidth(), 502);
    QCOMPARE(wide.frameHeight(), 102);
  }

  void boxesAndLinesCoverExactlyTheirPixels() {
    HeadlessScreenLayer layer({40, 30});
    layer.enterFullScreen(40, 30, 32, QString());
    layer.clearBackBuffer(white);
    layer.beginDrawing();
    layer.drawBox(1, 1, 1, 1);  // black and filled after beginDrawing
    layer.setDrawColor(palette::die);
    layer.drawBox(10, 10, 3, 2);
    layer.setOutlineMode(true);
    layer.drawBox(20, 5, 4, 4);
    layer.drawBox(0, 0, 0, 5);  // nothing
    layer.drawLine(5, 20, 8, 20);
    layer.drawLine(2, 29, 2, 25);  // drawn upwards
    layer.drawLine(30, 20, 33, 23);
    layer.drawLine(-10, 0, 45, 0);  // clipped at both ends
    layer.drawBox(38, 28, 10, 10);  // clipped
    layer.endDrawing();
    layer.drawBox(15, 15, 5, 5);  // after drawing ended: ignored
    layer.presentFrame();
    const QImage frame = layer.lastFrame();
    const QRgb red = palette::die;

    QCOMPARE(frame.pixel(1, 1), black);
    QCOMPARE(frame.pixel(2, 1), white);
    QCOMPARE(frame.pixel(10, 10), red);
    QCOMPARE(frame.pixel(12, 11), red);
    QCOMPARE(frame.pixel(13, 10), white);
    QCOMPARE(frame.pixel(10, 12), white);
    QCOMPARE(frame.pixel(20, 5), red);
    QCOMPARE(frame.pixel(23, 8), red);
    QCOMPARE(frame.pixel(21, 6), white);  // an outline leaves the inside alone
    QCOMPARE(frame.pixel(0, 4), white);   // the empty box
    QCOMPARE(frame.pixel(0, 1), white);
    QCOMPARE(countInRow(frame, 20, red), 4 + 1);  // the line and the diagonal's start
    QCOMPARE(frame.pixel(8, 20), red);
    QCOMPARE(frame.pixel(9, 20), white);
    QCOMPARE(countInColumn(frame, 2, red), 5 + 1);
    for (int i = 0; i <= 3; ++i) {
      QCOMPARE(frame.pixel(30 + i, 20 + i), red);
    }
    QCOMPARE(countInRow(frame, 0, red), 40);
    QCOMPARE(frame.pixel(38, 29), red);  // left and top edges of a clipped outline
    QCOMPARE(frame.pixel(39, 28), red);
    QCOMPARE(frame.pixel(39, 29), white);
    QCOMPARE(frame.pixel(17, 17), white);
  }

  void gridHasALineForEveryCellEdgeAndTheFrameOnlyTheOutline() {
    CellGrid grid;
    Screen screen({1920, 1080});
    const QImage withGrid = screen.picture(grid, {50, 50}, true);
    const int middleOfARow = 15 + 10;
    const int middleOfAColumn = 435 + 10;
    QCOMPARE(countInRow(withGrid, middleOfARow, black), 51);
    QCOMPARE(countInColumn(withGrid, middleOfAColumn, black), 51);
    QCOMPARE(withGrid.pixel(435, middleOfARow), black);
    QCOMPARE(withGrid.pixel(435 + 1050, middleOfARow), black);
    QCOMPARE(withGrid.pixel(middleOfAColumn, 15 + 1050), black);
    QCOMPARE(withGrid.pixel(434, middleOfARow), white);
    QCOMPARE(withGrid.pixel(435, 14), white);

    const QImage frame = screen.picture(grid, {50, 50}, false);
    QCOMPARE(countInRow(frame, middleOfARow, black), 2);
    QCOMPARE(countInColumn(frame, middleOfAColumn, black), 2);
    // The right and bottom edges lie one pixel inside the last grid lines.
    QCOMPARE(frame.pixel(435 + 1049, middleOfARow), black);
    QCOMPARE(frame.pixel(435 + 1050, middleOfARow), white);
    QCOMPARE(frame.pixel(middleOfAColumn, 15 + 1049), black);
    QCOMPARE(countInRow(frame, 15, black), 1050);

    // Single-pixel cells leave the grid out even when it is asked for.
    const QImage fine = Screen({800, 600}).picture(grid, {500, 500}, true);
    QCOMPARE(countInRow(fine, 300, black), 2);
    QCOMPARE(fine.pixel(149, 300), black);
    QCOMPARE(fine.pixel(650, 300), black);
    QCOMPARE(countInRow(fine, 49, black), 502);
  }

  void cellsHaveTheirColoursAtTheirPixels() {
    CellGrid grid;
    auto set = [&](int x, int y, int state, PendingMark mark) {
      grid.at(x, y).state = static_cast<CellState>(state);
      grid.at(x, y).pending = mark;
    };
    set(0, 0, 1, PendingMark::Keep);
    set(1, 0, 1, PendingMark::Die);
    set(2, 0, 0, PendingMark::Birth);
    set(3, 0, 2, PendingMark::None);
    set(4, 0, 3, PendingMark::Keep);
    set(5, 0, 0, PendingMark::Keep);  // dead: background
    set(6, 0, 7, PendingMark::None);  // an odd positive value looks alive
    set(7, 0, -1, PendingMark::Die);  // negative values are never drawn
    set(8, 0, 2, PendingMark::Die);   // the mark is tested before the state
    set(9, 0, 3, PendingMark::Birth);
    Screen screen({1920, 1080});
    const QImage picture = screen.picture(grid, {50, 50}, true);
    const QRgb expected[] = {
        palette::alive, palette::die,   palette::birth, palette::staticCell, palette::blocked,
        white,          palette::alive, white,          palette::die,        palette::birth,
    };
    for (int x = 0; x < 10; ++x) {
      const int left = 436 + 21 * x;
      QCOMPARE(picture.pixel(left, 16), expected[x]);
      QCOMPARE(picture.pixel(left + 19, 16 + 19), expected[x]);  // a 20 x 20 square
      QCOMPARE(picture.pixel(left + 20, 16 + 10), black);        // the next grid line
      QCOMPARE(picture.pixel(left + 10, 16 + 20), black);
      QCOMPARE(picture.pixel(left - 1, 16), black);
    }
    QCOMPARE(picture.pixel(436, 16 + 21), white);  // the row below is dead

    // At two pixels a cell every cell is a single pixel.
    CellGrid full;
    full.at(499, 499).state = CellState::Alive;
    full.at(0, 0).state = CellState::Static;
    const QImage fullPicture = screen.picture(full, {500, 500}, false);
    QCOMPARE(fullPicture.pixel(461, 41), palette::staticCell);
    QCOMPARE(fullPicture.pixel(462, 41), white);
    QCOMPARE(fullPicture.pixel(461 + 998, 41 + 998), palette::alive);
    QCOMPARE(fullPicture.pixel(461 + 999, 41 + 998), white);
  }

  void aFieldLargerThanTheScreenShowsEveryLivingCell() {
    CellGrid grid;
    grid.at(0, 0).state = CellState::Alive;
    grid.at(499, 499).state = CellState::Blocked;
    grid.at(250, 0).state = CellState::Alive;
    const QImage picture = Screen({640, 480}).picture(grid, {500, 500}, false);
    QCOMPARE(picture.pixel(81, 1), palette::alive);
    QCOMPARE(picture.pixel(81 + 499 * 478 / 500, 1 + 499 * 478 / 500), palette::blocked);
    QCOMPARE(picture.pixel(81 + 250 * 478 / 500, 1), palette::alive);
    QCOMPARE(countInRow(picture, 1, palette::alive), 2);
    QCOMPARE(picture.pixel(80, 0), black);
    QCOMPARE(picture.pixel(559, 479), black);
  }
};

QTEST_MAIN(ScreenPictureTest)
#include "ScreenPictureTest.moc"
