#pragma once

#include <cstdint>
#include <memory>

namespace orvalis {

enum class CellState : std::int8_t { Dead = 0, Alive = 1, Static = 2, Blocked = 3 };
enum class PendingMark : std::int8_t { None = 0, Keep = 1, Die = 2, Birth = 3 };

// One record per cell. A Life file stores raw state bytes, so `state` and
// `remembered` may hold any value of the underlying signed byte.
struct Cell {
  CellState state;
  CellState remembered;
  PendingMark pending;
  // The top-left of the cell's fill where the field is drawn: in the field
  // view, and on the screen while the presentation runs.
  std::int16_t pixelX;
  std::int16_t pixelY;
};

// Storage size of the grid; every index computation uses gridRows.
inline constexpr int gridColumns = 500;
inline constexpr int gridRows = 500;
inline constexpr int gridCellCount = gridColumns * gridRows;

// The visible top-left rectangle that is simulated and drawn.
struct FieldSize {
  int columns = 50;
  int rows = 50;

  // Brought into 1..500 in both directions, so that no loop leaves the grid.
  FieldSize clamped() const;
  friend bool operator==(const FieldSize&, const FieldSize&) = default;
};

inline bool isInsideGrid(int x, int y) {
  return x >= 0 && x < gridColumns && y >= 0 && y < gridRows;
}

// The one store of the Life field: 500 x 500 cells, column by column (the
// cells of one column are contiguous), allocated once and zero-filled.
class CellGrid {
 public:
  CellGrid();
  CellGrid(const CellGrid&) = delete;
  CellGrid& operator=(const CellGrid&) = delete;

  static constexpr int index(int x, int y) { return x * gridRows + y; }

  Cell& at(int x, int y) { return cells_[index(x, y)]; }
  const Cell& at(int x, int y) const { return cells_[index(x, y)]; }

  Cell* column(int x) { return &cells_[index(x, 0)]; }
  const Cell* column(int x) const { return &cells_[index(x, 0)]; }

 private:
  std::unique_ptr<Cell[]> cells_;
};

// The cell store together with the flag that its pending marks are stale:
// set by edits, cleared only by the stepping protocol. The counts are those
// of the visible field, kept by every operation that changes it, so that
// nobody has to count the cells again after a step.
struct LifeField {
  CellGrid cells;
  bool fieldEdited = false;
  // Generations shown since the pattern was loaded, cleared, filled at
  // random or resized; and the generation of the remembered field.
  long long generation = 0;
  long long rememberedGeneration = 0;
  int population = 0;  // cells that count as living: Alive and Static
};

}  // namespace orvalis
