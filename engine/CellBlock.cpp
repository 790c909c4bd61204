#include "engine/CellBlock.h"

#include <algorithm>

#include "engine/FieldCommands.h"
#include "engine/Population.h"

namespace orvalis {

CellRect CellRect::clippedTo(FieldSize size) const {
  const FieldSize field = size.clamped();
  // Far corners in 64 bits, so that a rectangle at the end of the int range
  // still clips.
  const int left = std::max(x, 0);
  const int top = std::max(y, 0);
  const auto right = std::min<long long>(static_cast<long long>(x) + width, field.columns);
  const auto bottom = std::min<long long>(static_cast<long long>(y) + height, field.rows);
  if (right <= left || bottom <= top) {
    return {left, top, 0, 0};
  }
  return {left, top, static_cast<int>(right - left), static_cast<int>(bottom - top)};
}

CellBlock::CellBlock(int blockWidth, int blockHeight)
    : width(std::max(blockWidth, 0)),
      height(std::max(blockHeight, 0)),
      states(static_cast<std::size_t>(width) * height, CellState::Dead) {}

CellBlock copyBlock(const CellGrid& grid, CellRect rect) {
  const CellRect inside = rect.clippedTo({gridColumns, gridRows});
  CellBlock block(inside.width, inside.height);
  for (int y = 0; y < block.height; ++y) {
    for (int x = 0; x < block.width; ++x) {
      block.set(x, y, grid.at(inside.x + x, inside.y + y).state);
    }
  }
  return block;
}

namespace {

// The block of `width` x `height` whose cell (x, y) is `source`'s cell at
// `from(x, y)`.
template <typename From>
CellBlock remapped(const CellBlock& source, int width, int height, From from) {
  CellBlock block(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const auto [fromX, fromY] = from(x, y);
      block.set(x, y, source.at(fromX, fromY));
    }
  }
  return block;
}

struct Point {
  int x;
  int y;
};

}  // namespace

CellBlock flippedLeftRight(const CellBlock& block) {
  return remapped(block, block.width, block.height, [&](int x, int y) {
    return Point{block.width - 1 - x, y};
  });
}

CellBlock flippedTopBottom(const CellBlock& block) {
  return remapped(block, block.width, block.height, [&](int x, int y) {
    return Point{x, block.height - 1 - y};
  });
}

CellBlock rotatedClockwise(const CellBlock& block) {
  return remapped(block, block.height, block.width, [&](int x, int y) {
    return Point{y, block.height - 1 - x};
  });
}

CellBlock rotatedAnticlockwise(const CellBlock& block) {
  return remapped(block, block.height, block.width, [&](int x, int y) {
    return Point{block.width - 1 - y, x};
  });
}

CellBlock trimmed(const CellBlock& block) {
  int left = block.width;
  int right = -1;
  int top = block.height;
  int bottom = -1;
  for (int y = 0; y < block.height; ++y) {
    for (int x = 0; x < block.width; ++x) {
      if (block.at(x, y) != CellState::Dead) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
  }
  if (right < 0) {
    return {};
  }
  return remapped(block, right - left + 1, bottom - top + 1, [&](int x, int y) {
    return Point{left + x, top + y};
  });
}

// The same draw as "Zufall" on a field of the block's size, so that the
// count is exact.
CellBlock randomBlock(int width, int height, int percent, Random& random) {
  LifeField scratch;
  const FieldSize size{width, height};
  randomFill(scratch, size, percent, random);
  return copyBlock(scratch.cells, {0, 0, width, height});
}

bool startEditing(LifeField& field, FieldSize requested) {
  if (field.fieldEdited) {
    return false;
  }
  const FieldSize size = requested.clamped();
  for (int x = 0; x < size.columns; ++x) {
    Cell* column = field.cells.column(x);
    for (int y = 0; y < size.rows; ++y) {
      column[y].remembered = column[y].state;
      column[y].pending = PendingMark::None;
    }
  }
  field.rememberedGeneration = field.generation;
  field.fieldEdited = true;
  return true;
}

void editCell(LifeField& field, int x, int y, CellState state) {
  if (!isInsideGrid(x, y)) {
    return;
  }
  Cell& cell = field.cells.at(x, y);
  field.population +=
      static_cast<int>(countsAsLiving(state)) - static_cast<int>(countsAsLiving(cell.state));
  cell.state = state;
  cell.remembered = state;
  cell.pending = PendingMark::Keep;
  field.fieldEdited = true;
}

namespace {

CellState placedState(CellState under, CellState placed, PasteMode mode) {
  switch (mode) {
    case PasteMode::Copy:
      return placed;
    case PasteMode::Xor:
      if (placed == CellState::Dead) {
        return under;
      }
      return under == placed ? CellState::Dead : placed;
    case PasteMode::Or:
      break;
  }
  return placed == CellState::Dead ? under : placed;
}

// Every cell of `rect` inside the field given `state(x, y, current)`.
template <typename NewState>
void editRect(LifeField& field, FieldSize size, CellRect rect, NewState state) {
  const CellRect inside = rect.clippedTo(size);
  if (inside.isEmpty()) {
    return;
  }
  startEditing(field, size);
  for (int y = inside.y; y < inside.y + inside.height; ++y) {
    for (int x = inside.x; x < inside.x + inside.width; ++x) {
      const CellState current = field.cells.at(x, y).state;
      const CellState next = state(x, y, current);
      if (next != current) {
        editCell(field, x, y, next);
      }
    }
  }
}

}  // namespace

void placeBlock(LifeField& field, FieldSize size, const CellBlock& block, int x, int y,
                PasteMode mode) {
  editRect(field, size, {x, y, block.width, block.height},
           [&](int column, int row, CellState under) {
             return placedState(under, block.at(column - x, row - y), mode);
           });
}

void clearInside(LifeField& field, FieldSize size, CellRect rect) {
  editRect(field, size, rect, [](int, int, CellState) { return CellState::Dead; });
}

void clearOutside(LifeField& field, FieldSize size, CellRect rect) {
  const CellRect whole{0, 0, gridColumns, gridRows};
  editRect(field, size, whole, [&](int x, int y, CellState current) {
    return rect.contains(x, y) ? current : CellState::Dead;
  });
}

}  // namespace orvalis
