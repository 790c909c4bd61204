#include "files/community/PlaintextWriter.h"

namespace orvalis {

std::string plaintextText(const ExportedPattern& pattern, const CellGrid& grid) {
  std::string text = "!Name: " + pattern.name + "\n";
  if (!pattern.author.empty()) {
    text += "!Author: " + pattern.author + "\n";
  }
  for (const std::string& line : pattern.commentLines) {
    text += "! " + line + "\n";
  }
  std::string emptyRows;  // rows written only when a living cell follows
  for (int y = 0; y < pattern.size.rows; ++y) {
    int end = pattern.size.columns;
    while (end > 0 && !livesInExport(grid.at(end - 1, y).state)) {
      --end;
    }
    if (end == 0) {
      emptyRows += ".\n";
      continue;
    }
    text += emptyRows;
    emptyRows.clear();
    for (int x = 0; x < end; ++x) {
      text += livesInExport(grid.at(x, y).state) ? 'O' : '.';
    }
    text += '\n';
  }
  return text;
}

}  // namespace orvalis
