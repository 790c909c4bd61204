#pragma once

#include <string_view>

#include "files/pattern/ReadPattern.h"

namespace orvalis {

// Whether a text begins as a Life 1.05 or Life 1.06 file: a first line
// "#Life 1.05" or "#Life 1.06". The program's binary Life file never does, as
// its first four bytes hold an interval of at most 10000.
bool looksLikeLifeText(std::string_view start);

// A Life 1.05 file: "#D" lines the comment, "#N" Conway's rule, "#R" another
// rule, "#P x y" the top-left of the "." and "*" rows below it. A Life 1.06
// file: one "x y" pair of a living cell a line. Refused when any other rule
// is named or the cells spread beyond 500 x 500.
PatternReading readLifeText(std::string_view text);

}  // namespace orvalis
