#pragma once

#include <string>
#include <vector>

#include "engine/CellGrid.h"
#include "engine/Gadgets.h"

namespace orvalis {

// What the writers of the Life community's formats (RLE, plaintext) take
// from the program: the visible field and the pattern's details, texts in
// UTF-8. Those formats know only living and dead cells.
struct ExportedPattern {
  FieldSize size;
  bool torus = false;
  // The comment and source as PatternDetails maps them.
  std::string name;
  std::string author;
  std::vector<std::string> commentLines;
};

ExportedPattern exportedPattern(GadgetAccess& gadgets);

// Static cells are written as living, blocked cells as dead.
inline bool livesInExport(CellState state) {
  return state == CellState::Alive || state == CellState::Static;
}

// Whether the visible field holds static or blocked cells, which the
// formats cannot keep.
bool holdsFixedCells(GadgetAccess& gadgets, const CellGrid& grid);

}  // namespace orvalis
