#pragma once

#include "engine/CellGrid.h"

namespace orvalis {

// Where the field stands on the presentation screen. Cells are square and as
// large as fit, the field centred with the odd pixel to the right and bottom.
// Below 2 pixels a cell there is no room for grid lines: every cell becomes
// one pixel inside a frame, and a field larger than the screen is scaled
// down so that it fits (several cells then share a pixel).
struct ScreenLayout {
  int columns = 1;
  int rows = 1;
  int cellSize = 0;  // grid pitch; 0 when every cell is one pixel
  int originX = 0;   // top-left pixel of the grid or frame
  int originY = 0;
  int spanX = 0;  // pixels the cells span across and down
  int spanY = 0;

  bool hasGridLines() const { return cellSize > 0; }
  // The outline drawn when there are no grid lines: along the grid's outer
  // lines less one pixel at the right and bottom, or around the single pixels.
  int frameWidth() const { return hasGridLines() ? spanX : spanX + 2; }
  int frameHeight() const { return hasGridLines() ? spanY : spanY + 2; }
  // Side of a cell's fill, which leaves the grid line at its left and top free.
  int boxSize() const { return hasGridLines() ? cellSize - 1 : 1; }
  // Top-left pixel of the fill of cell (x, y).
  int pixelX(int x) const { return originX + 1 + x * spanX / columns; }
  int pixelY(int y) const { return originY + 1 + y * spanY / rows; }
};

ScreenLayout screenLayout(int screenWidth, int screenHeight, FieldSize size);

// Stores every visible cell's fill position on the screen in the cells.
void writeScreenPositions(CellGrid& grid, const ScreenLayout& layout);

}  // namespace orvalis
