#include "engine/Population.h"

namespace orvalis {

namespace {

// The visible cells whose state `counts`.
template <typename Counts>
int countCells(const CellGrid& grid, FieldSize requested, Counts counts) {
  const FieldSize size = requested.clamped();
  int count = 0;
  for (int x = 0; x < size.columns; ++x) {
    const Cell* column = grid.column(x);
    for (int y = 0; y < size.rows; ++y) {
      count += static_cast<int>(counts(column[y].state));
    }
  }
  return count;
}

}  // namespace

int countPopulation(const CellGrid& grid, FieldSize size) {
  return countCells(grid, size, countsAsLiving);
}

int countStatic(const CellGrid& grid, FieldSize size) {
  return countCells(grid, size, [](CellState state) { return state == CellState::Static; });
}

void restartGenerations(LifeField& field, FieldSize size) {
  field.generation = 0;
  field.rememberedGeneration = 0;
  field.population = countPopulation(field.cells, size);
}

}  // namespace orvalis
