#include "screen/FieldPicture.h"

namespace orvalis {
namespace {

bool isDrawn(const Cell& cell) {
  return static_cast<int>(cell.state) > 0 || cell.pending == PendingMark::Birth;
}

// The mark comes before the state: a living cell about to die is red.
QRgb cellColour(const Cell& cell) {
  if (cell.pending == PendingMark::Birth) {
    return screenColour::birth;
  }
  if (cell.pending == PendingMark::Die) {
    return screenColour::death;
  }
  if (cell.state == CellState::Static) {
    return screenColour::staticCell;
  }
  if (cell.state == CellState::Blocked) {
    return screenColour::blockedCell;
  }
  return screenColour::living;
}

void drawGridLines(ScreenLayer& screen, const ScreenLayout& layout) {
  const int right = layout.originX + layout.spanX;
  const int bottom = layout.originY + layout.spanY;
  for (int x = layout.originX; x <= right; x += layout.cellSize) {
    screen.drawLine(x, layout.originY, x, bottom);
  }
  for (int y = layout.originY; y <= bottom; y += layout.cellSize) {
    screen.drawLine(layout.originX, y, right, y);
  }
}

}  // namespace

void drawPresentationFrame(ScreenLayer& screen, const CellGrid& grid, const ScreenLayout& layout,
                           bool gridLines) {
  screen.clearBackBuffer(screenColour::background);
  screen.beginDrawing();
  screen.setOutlineMode(true);
  screen.setDrawColor(screenColour::lines);
  if (gridLines && layout.hasGridLines()) {
    drawGridLines(screen, layout);
  } else {
    screen.drawBox(layout.originX, layout.originY, layout.frameWidth(), layout.frameHeight());
  }
  screen.setOutlineMode(false);
  const int box = layout.boxSize();
  for (int y = 0; y < layout.rows; ++y) {
    for (int x = 0; x < layout.columns; ++x) {
      const Cell& cell = grid.at(x, y);
      if (isDrawn(cell)) {
        screen.setDrawColor(cellColour(cell));
        screen.drawBox(cell.pixelX, cell.pixelY, box, box);
      }
    }
  }
  screen.endDrawing();
}

}  // namespace orvalis
