#include "files/community/ExportedPattern.h"

#include "files/community/PatternDetails.h"
#include "files/io/TextEncoding.h"
#include "files/io/TextLines.h"

namespace orvalis {

ExportedPattern exportedPattern(GadgetAccess& gadgets) {
  ExportedPattern pattern;
  pattern.size = visibleFieldSize(gadgets);
  pattern.torus = gadgets.gadgetValue(GadgetId::InfiniteCheck) != 0;
  pattern.author = latin1ToUtf8(trimmed(singleLine(gadgets.gadgetText(GadgetId::AuthorField))));
  const DetailLines details = detailLines(gadgets.gadgetText(GadgetId::CommentEditor),
                                          gadgets.gadgetText(GadgetId::SourceField));
  pattern.name = latin1ToUtf8(details.name);
  for (const std::string& line : details.commentLines) {
    pattern.commentLines.push_back(latin1ToUtf8(line));
  }
  return pattern;
}

bool holdsFixedCells(GadgetAccess& gadgets, const CellGrid& grid) {
  const FieldSize size = visibleFieldSize(gadgets);
  for (int x = 0; x < size.columns; ++x) {
    const Cell* column = grid.column(x);
    for (int y = 0; y < size.rows; ++y) {
      if (column[y].state == CellState::Static || column[y].state == CellState::Blocked) {
        return true;
      }
    }
  }
  return false;
}

}  // namespace orvalis
