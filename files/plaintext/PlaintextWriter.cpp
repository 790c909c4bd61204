#include "files/plaintext/PlaintextWriter.h"

#include "engine/Population.h"

namespace orvalis {

std::string plaintextRows(const PatternCells& cells) {
  std::string text;
  for (int y = 0; y < cells.height; ++y) {
    // The last row spans the field, so that the rows' extent is its size.
    int end = cells.width;
    while (y + 1 < cells.height && end > 0 && !countsAsLiving(cells.at(end - 1, y))) {
      --end;
    }
    if (end == 0) {
      text += ".\n";
      continue;
    }
    for (int x = 0; x < end; ++x) {
      text += countsAsLiving(cells.at(x, y)) ? 'O' : '.';
    }
    text += '\n';
  }
  return text;
}

std::string plaintextText(const ExportedPattern& pattern) {
  std::string text;
  if (!pattern.name.empty()) {
    text += "!Name: " + pattern.name + "\n";
  }
  if (!pattern.author.empty()) {
    text += "!Author: " + pattern.author + "\n";
  }
  for (const std::string& line : pattern.commentLines) {
    text += line.empty() ? "!\n" : "! " + line + "\n";
  }
  return text + plaintextRows(pattern.cells);
}

}  // namespace orvalis
