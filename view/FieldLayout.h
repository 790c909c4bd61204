#pragma once

#include "engine/CellGrid.h"

namespace orvalis {

// Where the field stands in the view: square cells of the largest size that
// fits, centred, the odd pixel to the right and bottom.
struct FieldLayout {
  int columns = 50;
  int rows = 50;
  int cellWidth = 0;
  int cellHeight = 0;
  int offsetX = 0;
  int offsetY = 0;
  int clientWidth = 0;
  int clientHeight = 0;

  // Recomputes cell size and offsets from the sizes held.
  void compute();
  // Right and bottom edges of the field, exclusive.
  int fieldRight() const { return offsetX + cellWidth * columns; }
  int fieldBottom() const { return offsetY + cellHeight * rows; }
  bool containsPixel(int x, int y) const {
    return x >= offsetX && x < fieldRight() && y >= offsetY && y < fieldBottom();
  }
  // The column and row that a client pixel falls in: the integer part of
  // the quotient, also for a pixel left of or above the field.
  int columnAt(int x) const { return (x - offsetX) / cellWidth; }
  int rowAt(int y) const { return (y - offsetY) / cellHeight; }
  // Top-left corner of a cell on its grid lines (its fill starts one pixel
  // right and below).
  int cellLeft(int column) const { return column * cellWidth + offsetX; }
  int cellTop(int row) const { return row * cellHeight + offsetY; }
};

// Writes every visible cell's fill position for `layout` into the grid.
void writeCellPositions(CellGrid& grid, const FieldLayout& layout);

}  // namespace orvalis
