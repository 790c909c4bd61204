#pragma once

#include <optional>
#include <string_view>

namespace orvalis {

// The numbers a spin field takes, and the one it shows at start.
struct SpinRange {
  int minimum;
  int maximum;
  int start;
  int clamp(long long value) const;
};

// The value that a spin field's text stands for: a whole decimal number
// within the range (blanks around it allowed), or nothing.
std::optional<int> spinTextValue(std::string_view text, const SpinRange& range);

}  // namespace orvalis
