#pragma once

#include <optional>
#include <string_view>

#include "files/community/ReadPattern.h"

namespace orvalis {

// A rule a pattern file names: Conway's rule sets the pattern's bounded grid
// when the rule has one; any other rule refuses the file, naming the rule.
std::optional<PatternRefusal> takeRule(std::string_view rule, ReadPattern& pattern);

}  // namespace orvalis
