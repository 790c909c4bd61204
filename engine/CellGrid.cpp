#include "engine/CellGrid.h"

#include <algorithm>

namespace orvalis {

static_assert(sizeof(Cell) == 8, "a cell record is three state bytes and two positions");

FieldSize FieldSize::clamped() const {
  return {std::clamp(columns, 1, gridColumns), std::clamp(rows, 1, gridRows)};
}

// make_unique value-initialises the records, so every cell starts Dead,
// remembered Dead, pending None, at pixel (0, 0).
CellGrid::CellGrid() : cells_(std::make_unique<Cell[]>(gridCellCount)) {}

}  // namespace orvalis
