#pragma once

#include <cstdlib>

#include "engine/CellGrid.h"
#include "files/community/ReadPattern.h"

namespace orvalis::fuzz {

// A read pattern must fit the field and hold its cells inside its extent.
inline void requireWithinExtent(const ReadPattern& pattern) {
  if (pattern.width < 0 || pattern.width > gridColumns || pattern.height < 0 ||
      pattern.height > gridRows) {
    std::abort();
  }
  for (const auto cell : pattern.living) {
    if (cell.x < 0 || cell.x >= pattern.width || cell.y < 0 || cell.y >= pattern.height) {
      std::abort();
    }
  }
}

}  // namespace orvalis::fuzz
