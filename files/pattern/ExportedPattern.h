#pragma once

#include <string>
#include <vector>

#include "files/PatternDocument.h"

namespace orvalis {

// What the writers of the Life community's formats (RLE, plaintext) take
// from a document: its cells and the pattern's details, texts in UTF-8.
// Those formats know only living and dead cells.
struct ExportedPattern {
  FieldSize size;
  PatternCells cells;  // of `size`
  bool torus = false;
  // The comment and source as PatternDetails maps them.
  std::string name;
  std::string author;
  std::vector<std::string> commentLines;
};

ExportedPattern exportedPattern(const PatternDocument& document);

// Whether the cells hold static or blocked ones, which the formats cannot
// keep: static cells are written as living (they count as living,
// engine/Population.h), blocked cells as dead.
bool holdsFixedCells(const PatternCells& cells);

}  // namespace orvalis
