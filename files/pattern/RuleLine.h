#pragma once

#include <optional>
#include <string_view>

#include "files/pattern/ReadPattern.h"

namespace orvalis {

// A rule a pattern file names: Conway's rule sets the pattern's bounded grid
// when the rule has one, and refuses the file as too large when that grid
// has more than 500 columns or rows; any other rule refuses the file,
// naming the rule.
std::optional<PatternRefusal> takeRule(std::string_view rule, ReadPattern& pattern);

// The refusal of a rule the program does not run, naming as much of it as a
// message shows.
PatternRefusal unsupportedRule(std::string_view rule);

}  // namespace orvalis
