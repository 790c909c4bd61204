#include "files/plaintext/PlaintextWriter.h"

#include "engine/Population.h"

namespace orvalis {

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
  for (int y = 0; y < pattern.size.rows; ++y) {
    // The last row spans the field, so that the rows' extent is its size.
    int end = pattern.size.columns;
    while (y + 1 < pattern.size.rows && end > 0 && !countsAsLiving(pattern.cells.at(end - 1, y))) {
      --end;
    }
    if (end == 0) {
      text += ".\n";
      continue;
    }
    for (int x = 0; x < end; ++x) {
      text += countsAsLiving(pattern.cells.at(x, y)) ? 'O' : '.';
    }
    text += '\n';
  }
  return text;
}

}  // namespace orvalis
