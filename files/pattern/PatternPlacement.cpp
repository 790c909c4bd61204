#include "files/pattern/PatternPlacement.h"

#include <algorithm>
#include <variant>

#include "files/FileMessages.h"
#include "files/io/TextEncoding.h"
#include "files/pattern/PatternDetails.h"

namespace orvalis {
namespace {

// Golly centres a pattern without position so that its top-left lands at
// -(width div 2), -(height div 2) of a grid starting at -(size div 2).
int centred(int fieldSize, int patternSize) {
  return fieldSize / 2 - patternSize / 2;
}

UserMessage refusalMessage(const PatternRefusal& refusal) {
  switch (refusal.reason) {
    case PatternRefusal::Reason::TooLarge:
      return patternTooLargeMessage();
    case PatternRefusal::Reason::UnsupportedRule:
      return unsupportedRuleMessage(latin1ToUtf8(refusal.rule));
    case PatternRefusal::Reason::Malformed:
      break;
  }
  return lifeFileLoadFailedMessage();
}

}  // namespace

PatternDocument placedPattern(const ReadPattern& pattern, FieldSize shown) {
  PatternDocument document;
  FieldSize size;
  long long left = 0;
  long long top = 0;
  if (pattern.grid) {
    size = {pattern.grid->columns, pattern.grid->rows};
    document.settings.push_back({GadgetId::InfiniteCheck, pattern.grid->torus ? 1 : 0});
    if (pattern.gridPosition) {
      left = pattern.gridPosition->x + size.columns / 2;
      top = pattern.gridPosition->y + size.rows / 2;
    } else {
      left = centred(size.columns, pattern.width);
      top = centred(size.rows, pattern.height);
    }
  } else {
    shown = shown.clamped();
    size = {std::max(shown.columns, pattern.width), std::max(shown.rows, pattern.height)};
    left = centred(size.columns, pattern.width);
    top = centred(size.rows, pattern.height);
  }
  document.settings.push_back({GadgetId::SizeXSpin, size.columns});
  document.settings.push_back({GadgetId::SizeYSpin, size.rows});

  // A pattern placed by position on a grid too small for it loses the
  // cells that land outside, as on Golly's bounded grid.
  PatternCells cells{size.columns, size.rows, {}, true};
  cells.states.assign(static_cast<std::size_t>(size.columns) * size.rows, CellState::Dead);
  for (const ReadPattern::CellPosition cell : pattern.living) {
    const long long x = left + cell.x;
    const long long y = top + cell.y;
    if (x >= 0 && x < size.columns && y >= 0 && y < size.rows) {
      cells.states[static_cast<std::size_t>(y) * size.columns + static_cast<std::size_t>(x)] =
          CellState::Alive;
    }
  }
  document.cells = std::move(cells);

  const std::string comment = commentOfLines(pattern.name, pattern.commentLines);
  document.details = {comment, pattern.author, sourceOfComment(comment), 0, std::nullopt};
  return document;
}

DocumentReading patternDocument(const PatternReading& reading, FieldSize shown) {
  if (const auto* refusal = std::get_if<PatternRefusal>(&reading)) {
    return refusedWith(refusalMessage(*refusal));
  }
  return {placedPattern(std::get<ReadPattern>(reading), shown), std::nullopt};
}

}  // namespace orvalis
