#pragma once

#include <string_view>

#include "files/pattern/ReadPattern.h"

namespace orvalis {

// Whether a text begins as a macrocell file: "[M2]".
bool looksLikeMacrocell(std::string_view start);

// A two-state macrocell file: "#R" names the rule (none: Conway's), "#C"
// lines are the comment, then the quadtree's nodes, the last the whole
// pattern. Refused when it names another rule, its living cells spread
// beyond 500 x 500, or a node is broken.
PatternReading readMacrocell(std::string_view text);

}  // namespace orvalis
