#include "engine/FieldCommands.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "engine/Population.h"

namespace orvalis {
namespace {

void moveCell(CellGrid& grid, int fromX, int fromY, int toX, int toY) {
  const Cell& from = grid.at(fromX, fromY);
  Cell& to = grid.at(toX, toY);
  to.state = from.state;
  to.remembered = from.remembered;
  to.pending = PendingMark::None;
}

struct SavedCell {
  CellState state = CellState::Dead;
  CellState remembered = CellState::Dead;
};

// The cells of one row (vertical shifts) or one column (horizontal shifts).
struct Line {
  bool isRow;
  int index;
  Cell& cell(CellGrid& grid, int i) const { return isRow ? grid.at(i, index) : grid.at(index, i); }
};

}  // namespace

void randomFill(LifeField& field, FieldSize requested, int percent, Random& random) {
  const FieldSize size = requested.clamped();
  clearField(field.cells, size);
  const std::size_t cellCount = static_cast<std::size_t>(size.columns) * size.rows;
  const long long count = std::min<long long>(
      static_cast<long long>(cellCount) * std::max(percent, 0) / 100, cellCount);
  // Taken cells in row order, the order in which the search moves on from a
  // drawn cell that is taken already: right, then to the next row, then
  // from the last row back to the first.
  std::vector<unsigned char> taken(cellCount, 0);
  for (long long placed = 0; placed < count; ++placed) {
    const int x = random.draw(size.columns - 1);
    const int y = random.draw(size.rows - 1);
    const std::size_t drawn = static_cast<std::size_t>(y) * size.columns + x;
    const void* free = std::memchr(taken.data() + drawn, 0, cellCount - drawn);
    if (!free) {
      free = std::memchr(taken.data(), 0, drawn);
    }
    const auto index =
        static_cast<std::size_t>(static_cast<const unsigned char*>(free) - taken.data());
    taken[index] = 1;
    Cell& cell = field.cells.at(static_cast<int>(index % size.columns),
                                static_cast<int>(index / size.columns));
    cell.state = CellState::Alive;
    cell.remembered = CellState::Alive;
  }
  restartGenerations(field, size);
}

void clearField(CellGrid& grid, FieldSize requested) {
  const FieldSize size = requested.clamped();
  for (int y = 0; y < size.rows; ++y) {
    for (int x = 0; x < size.columns; ++x) {
      Cell& cell = grid.at(x, y);
      cell.state = CellState::Dead;
      cell.remembered = CellState::Dead;
      cell.pending = PendingMark::None;
    }
  }
}

void clearAll(CellGrid& grid) {
  clearField(grid, {gridColumns, gridRows});
}

void restoreRemembered(LifeField& field, FieldSize requested) {
  const FieldSize size = requested.clamped();
  for (int y = 0; y < size.rows; ++y) {
    for (int x = 0; x < size.columns; ++x) {
      Cell& cell = field.cells.at(x, y);
      cell.state = cell.remembered;
      cell.pending = PendingMark::None;
    }
  }
  field.fieldEdited = true;
  field.generation = field.rememberedGeneration;
  field.population = countPopulation(field.cells, size);
}

void rememberField(LifeField& field, FieldSize requested) {
  const FieldSize size = requested.clamped();
  for (int y = 0; y < size.rows; ++y) {
    for (int x = 0; x < size.columns; ++x) {
      Cell& cell = field.cells.at(x, y);
      cell.remembered = cell.state;
    }
  }
  field.fieldEdited = true;
  field.rememberedGeneration = field.generation;
}

void shiftField(LifeField& field, FieldSize requested, ShiftDirection direction, bool wrapEdges) {
  const FieldSize size = requested.clamped();
  CellGrid& grid = field.cells;
  const bool vertical = direction == ShiftDirection::Up || direction == ShiftDirection::Down;
  const int lineCount = vertical ? size.rows : size.columns;
  const int lineLength = vertical ? size.columns : size.rows;
  // Up and Left move lines towards index 0; the line at the far end becomes free.
  const bool towardsStart = direction == ShiftDirection::Up || direction == ShiftDirection::Left;
  const Line leaving{vertical, towardsStart ? 0 : lineCount - 1};
  const Line freed{vertical, towardsStart ? lineCount - 1 : 0};

  std::array<SavedCell, gridRows> saved{};
  if (wrapEdges) {
    for (int i = 0; i < lineLength; ++i) {
      const Cell& cell = leaving.cell(grid, i);
      saved[i] = {cell.state, cell.remembered};
    }
  }

  // Reading runs ahead of writing, so no cell is overwritten before it moved.
  const int step = towardsStart ? 1 : -1;
  for (int to = towardsStart ? 0 : lineCount - 1; to != freed.index; to += step) {
    const int from = to + step;
    for (int i = 0; i < lineLength; ++i) {
      if (vertical) {
        moveCell(grid, i, from, i, to);
      } else {
        moveCell(grid, from, i, to, i);
      }
    }
  }

  for (int i = 0; i < lineLength; ++i) {
    Cell& cell = freed.cell(grid, i);
    cell.state = saved[i].state;
    cell.remembered = saved[i].remembered;
    cell.pending = PendingMark::None;
  }
  field.fieldEdited = true;
  // Without wrapping, the line that left the field took its cells along.
  field.population = countPopulation(grid, size);
}

}  // namespace orvalis
