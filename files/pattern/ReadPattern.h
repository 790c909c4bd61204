#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "files/pattern/ConwayRule.h"

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

}  // namespace orvalis
