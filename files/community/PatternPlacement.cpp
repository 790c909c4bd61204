#include "files/community/PatternPlacement.h"

#include <algorithm>

#include "engine/FieldCommands.h"
#include "files/community/PatternDetails.h"
#include "files/io/TextEncoding.h"

namespace orvalis {
namespace {

// Golly centres a pattern without position so that its top-left lands at
// -(width div 2), -(height div 2) of a grid starting at -(size div 2).
int centred(int fieldSize, int patternSize) {
  return fieldSize / 2 - patternSize / 2;
}

}  // namespace

void placePattern(const ReadPattern& pattern, const std::string& path, GadgetAccess& gadgets,
                  CellGrid& grid) {
  FieldSize size;
  long long left = 0;
  long long top = 0;
  if (pattern.grid) {
    size = {pattern.grid->columns, pattern.grid->rows};
    gadgets.setGadgetValue(GadgetId::InfiniteCheck, pattern.grid->torus ? 1 : 0);
    if (pattern.gridPosition) {
      left = pattern.gridPosition->x + size.columns / 2;
      top = pattern.gridPosition->y + size.rows / 2;
    } else {
      left = centred(size.columns, pattern.width);
      top = centred(size.rows, pattern.height);
    }
  } else {
    const FieldSize shown = visibleFieldSize(gadgets);
    size = {std::max(shown.columns, pattern.width), std::max(shown.rows, pattern.height)};
    left = centred(size.columns, pattern.width);
    top = centred(size.rows, pattern.height);
  }
  gadgets.setGadgetValue(GadgetId::SizeXSpin, size.columns);
  gadgets.setGadgetValue(GadgetId::SizeYSpin, size.rows);

  // A pattern placed by position on a grid too small for it loses the
  // cells that land outside, as on Golly's bounded grid.
  clearAll(grid);
  for (const ReadPattern::CellPosition cell : pattern.living) {
    const long long x = left + cell.x;
    const long long y = top + cell.y;
    if (x >= 0 && x < size.columns && y >= 0 && y < size.rows) {
      Cell& target = grid.at(static_cast<int>(x), static_cast<int>(y));
      target.state = CellState::Alive;
      target.remembered = CellState::Alive;
    }
  }

  gadgets.setGadgetText(GadgetId::FileNameField, fileNameText(path));
  const std::string comment = commentOfLines(pattern.name, pattern.commentLines);
  gadgets.setGadgetText(GadgetId::CommentEditor, comment);
  gadgets.setGadgetText(GadgetId::AuthorField, pattern.author);
  gadgets.setGadgetText(GadgetId::SourceField, sourceOfComment(comment));
  gadgets.setGadgetValue(GadgetId::DateField, 0);
}

}  // namespace orvalis
