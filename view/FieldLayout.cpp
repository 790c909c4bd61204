#include "view/FieldLayout.h"

#include <algorithm>

namespace orvalis {

void FieldLayout::compute() {
  cellWidth = columns > 0 ? clientWidth / columns : 0;
  cellHeight = rows > 0 ? clientHeight / rows : 0;
  cellWidth = cellHeight = std::min(cellWidth, cellHeight);
  offsetX = (clientWidth - cellWidth * columns) / 2;
  offsetY = (clientHeight - cellHeight * rows) / 2;
}

void writeCellPositions(CellGrid& grid, const FieldLayout& layout) {
  const FieldSize size = FieldSize{layout.columns, layout.rows}.clamped();
  for (int y = 0; y < size.rows; ++y) {
    for (int x = 0; x < size.columns; ++x) {
      Cell& cell = grid.at(x, y);
      // + 1 keeps the fill off the grid line on the cell's left and top.
      cell.pixelX = static_cast<std::int16_t>(layout.offsetX + x * layout.cellWidth + 1);
      cell.pixelY = static_cast<std::int16_t>(layout.offsetY + y * layout.cellHeight + 1);
    }
  }
}

}  // namespace orvalis
