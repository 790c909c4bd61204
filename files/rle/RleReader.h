#pragma once

#include <string_view>

#include "files/pattern/ReadPattern.h"

namespace orvalis {

// Reads a pattern in RLE, the Life community's run-length format: "#" lines
// (name, author, comments, the rule "#r", Golly's "#CXRLE Pos=x,y", old
// "#P"/"#R" positions), the header "x = W, y = H, rule = R", then runs of "b"
// or "." (dead), "o" or any other letter (alive) and "$" (end of row) up to
// "!". Comment lines may also stand between the runs and after "!". Refuses
// other rules than Conway's, cells of more states, patterns beyond 500 x 500
// cells, run counts of more than nine digits, and anything else it cannot
// read; nothing is allocated from the header's numbers.
PatternReading readRle(std::string_view text);

}  // namespace orvalis
