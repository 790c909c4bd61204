#include "screen/ScreenLayout.h"

#include <algorithm>

namespace orvalis {

ScreenLayout screenLayout(int screenWidth, int screenHeight, FieldSize requested) {
  const FieldSize size = requested.clamped();
  ScreenLayout layout;
  layout.columns = size.columns;
  layout.rows = size.rows;
  const int cellSize = std::min(screenWidth / size.columns, screenHeight / size.rows);
  if (cellSize >= 2) {
    layout.cellSize = cellSize;
    layout.spanX = cellSize * size.columns;
    layout.spanY = cellSize * size.rows;
    layout.originX = (screenWidth - layout.spanX) / 2;
    layout.originY = (screenHeight - layout.spanY) / 2;
    return layout;
  }
  // One pixel a cell, with a one-pixel frame on every side; a field that
  // does not fit shrinks by the ratio of the tighter direction.
  const int roomX = std::max(screenWidth - 2, 1);
  const int roomY = std::max(screenHeight - 2, 1);
  if (size.columns <= roomX && size.rows <= roomY) {
    layout.spanX = size.columns;
    layout.spanY = size.rows;
  } else if (roomX * size.rows <= roomY * size.columns) {
    layout.spanX = roomX;
    layout.spanY = std::max(size.rows * roomX / size.columns, 1);
  } else {
    layout.spanX = std::max(size.columns * roomY / size.rows, 1);
    layout.spanY = roomY;
  }
  layout.originX = std::max((screenWidth - layout.spanX - 2) / 2, 0);
  layout.originY = std::max((screenHeight - layout.spanY - 2) / 2, 0);
  return layout;
}

void writeScreenPositions(CellGrid& grid, const ScreenLayout& layout) {
  for (int y = 0; y < layout.rows; ++y) {
    for (int x = 0; x < layout.columns; ++x) {
      Cell& cell = grid.at(x, y);
      cell.pixelX = static_cast<std::int16_t>(layout.pixelX(x));
      cell.pixelY = static_cast<std::int16_t>(layout.pixelY(y));
    }
  }
}

}  // namespace orvalis
