#include "engine/Population.h"

namespace orvalis {

int countPopulation(const CellGrid& grid, FieldSize requested) {
  const FieldSize size = requested.clamped();
  int population = 0;
  for (int x = 0; x < size.columns; ++x) {
    const Cell* column = grid.column(x);
    for (int y = 0; y < size.rows; ++y) {
      population += static_cast<int>(countsAsLiving(column[y].state));
    }
  }
  return population;
}

int countStatic(const CellGrid& grid, FieldSize requested) {
  const FieldSize size = requested.clamped();
  int count = 0;
  for (int x = 0; x < size.columns; ++x) {
    const Cell* column = grid.column(x);
    for (int y = 0; y < size.rows; ++y) {
      count += static_cast<int>(column[y].state == CellState::Static);
    }
  }
  return count;
}

void restartGenerations(LifeField& field, FieldSize size) {
  field.generation = 0;
  field.rememberedGeneration = 0;
  field.population = countPopulation(field.cells, size);
}

}  // namespace orvalis
