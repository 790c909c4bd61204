#include "settings/SpinRange.h"

#include <algorithm>

namespace orvalis {

int SpinRange::clamp(long long value) const {
  return static_cast<int>(std::clamp<long long>(value, minimum, maximum));
}

std::optional<int> spinTextValue(std::string_view text, const SpinRange& range) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) {
    return std::nullopt;
  }
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  bool negative = false;
  if (text.front() == '-' || text.front() == '+') {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  while (text.size() > 1 && text.front() == '0') {
    text.remove_prefix(1);
  }
  if (text.empty() || text.size() > 9 ||
      text.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::nullopt;
  }
  int value = 0;
  for (char digit : text) {
    value = value * 10 + (digit - '0');
  }
  value = negative ? -value : value;
  if (value < range.minimum || value > range.maximum) {
    return std::nullopt;
  }
  return value;
}

}  // namespace orvalis
