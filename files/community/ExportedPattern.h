#pragma once

#include <string>
#include <vector>

#include "engine/CellGrid.h"
#include "settings/GadgetAccess.h"

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

// Whether the visible field holds static or blocked cells, which the
// formats cannot keep: static cells are written as living (they count as
// living, engine/Population.h), blocked cells as dead.
bool holdsFixedCells(GadgetAccess& gadgets, const CellGrid& grid);

}  // namespace orvalis
