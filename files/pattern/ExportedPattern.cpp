#include "files/pattern/ExportedPattern.h"

#include <algorithm>

#include "files/io/TextEncoding.h"
#include "files/io/TextLines.h"
#include "files/pattern/PatternDetails.h"

namespace orvalis {

ExportedPattern exportedPattern(const PatternDocument& document) {
  ExportedPattern pattern;
  if (document.cells) {
    pattern.cells = *document.cells;
  }
  pattern.size = {pattern.cells.width, pattern.cells.height};
  pattern.torus = document.number(GadgetId::InfiniteCheck).value_or(0) != 0;
  const DocumentDetails& given = document.details;
  pattern.author = latin1ToUtf8(trimmed(singleLine(given.author.value_or(""))));
  const DetailLines details = detailLines(given.comment.value_or(""), given.source.value_or(""));
  pattern.name = latin1ToUtf8(details.name);
  for (const std::string& line : details.commentLines) {
    pattern.commentLines.push_back(latin1ToUtf8(line));
  }
  return pattern;
}

bool holdsFixedCells(const PatternCells& cells) {
  return std::ranges::any_of(cells.states, [](CellState state) {
    return state == CellState::Static || state == CellState::Blocked;
  });
}

}  // namespace orvalis
