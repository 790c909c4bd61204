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
};

// Writes every visible cell's fill position for `layout` into the grid.
void writeCellPositions(CellGrid& grid, const FieldLayout& layout);

}  // namespace orvalis
