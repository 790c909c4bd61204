#include "screen/FieldPicture.h"

#include "view/FieldPalette.h"

namespace orvalis {
namespace {

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
  screen.clearBackBuffer(palette::background);
  screen.beginDrawing();
  screen.setOutlineMode(true);
  screen.setDrawColor(palette::line);
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
      // The same colours as in the field view; dead cells show the background.
      const QRgb colour = palette::cellColour(cell);
      if (colour != palette::notDrawn) {
        screen.setDrawColor(colour);
        screen.drawBox(cell.pixelX, cell.pixelY, box, box);
      }
    }
  }
  screen.endDrawing();
}

}  // namespace orvalis
