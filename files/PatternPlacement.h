#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "engine/CellGrid.h"
#include "engine/Gadgets.h"
#include "files/ConwayRule.h"

namespace orvalis {

// A pattern as a reader of the Life community's formats (RLE, plaintext)
// found it, not yet placed on the field.
struct ReadPattern {
  struct Position {
    long long x = 0;
    long long y = 0;
  };
  struct CellPosition {
    std::int16_t x = 0;
    std::int16_t y = 0;
  };

  // The extent the file gives, each 0 to 500; every living cell lies inside.
  int width = 0;
  int height = 0;
  std::vector<CellPosition> living;  // from the pattern's top-left corner
  std::optional<BoundedGrid> grid;
  // The pattern's top-left on Golly's bounded grid, whose columns run from
  // -(columns div 2) and rows from -(rows div 2).
  std::optional<Position> gridPosition;
  std::string name;  // texts in the program's ISO-8859-1
  std::string author;
  std::vector<std::string> commentLines;
};

// Why a reader refuses a file; `rule` names an unsupported rule.
struct PatternRefusal {
  enum class Reason { Malformed, TooLarge, UnsupportedRule };
  Reason reason = Reason::Malformed;
  std::string rule;
};

using PatternReading = std::variant<ReadPattern, PatternRefusal>;

// Replaces the field with the pattern as every load does: all 500 x 500
// cells dead, then the pattern's cells alive. With a bounded grid the field
// takes its size and "&Infinit" its kind, and the pattern lands where Golly
// puts it; otherwise it is centred in the visible field, which grows to fit
// it. Name and comment lines become the comment, the first comment line that
// is a web address the source; the file-name field shows the file's name.
// Interval, grid lines and date stay.
void placePattern(const ReadPattern& pattern, const std::string& path, GadgetAccess& gadgets,
                  CellGrid& grid);

}  // namespace orvalis
