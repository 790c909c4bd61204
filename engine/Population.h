#pragma once

#include "engine/CellGrid.h"

namespace orvalis {

// The cells that count as living neighbours: Alive and Static.
inline bool countsAsLiving(CellState state) {
  return state == CellState::Alive || state == CellState::Static;
}

int countPopulation(const CellGrid& grid, FieldSize size);
// The Static cells of the visible field, which no generation changes.
int countStatic(const CellGrid& grid, FieldSize size);

// A new start of the count (a load, "Leeren", "Zufall", a new size): the
// generation and the remembered field's become 0, the cells are counted.
void restartGenerations(LifeField& field, FieldSize size);

}  // namespace orvalis
