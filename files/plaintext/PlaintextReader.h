#pragma once

#include <string_view>

#include "files/pattern/ReadPattern.h"

namespace orvalis {

// Reads a pattern in plaintext (.cells): "!" lines are comments ("!Name:"
// and "!Author:" by name), the other lines rows of "." dead and "O" or "*"
// alive; short rows are dead to the right. Refuses patterns beyond 500 x 500
// cells and lines with other characters.
PatternReading readPlaintext(std::string_view text);

}  // namespace orvalis
