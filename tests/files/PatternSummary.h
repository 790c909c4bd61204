#pragma once

#include <string>
#include <variant>

#include "files/pattern/ReadPattern.h"

namespace orvalis::test {

// What a reader made of a file in one line: the extent's rows of "." and
// "*" apart by "/", then "#" and the comment lines apart by "|", a bounded
// grid as " P3,3" or " T3,3"; or why it refused.
inline std::string summary(const PatternReading& reading) {
  if (const auto* refusal = std::get_if<PatternRefusal>(&reading)) {
    switch (refusal->reason) {
      case PatternRefusal::Reason::TooLarge:
        return "too large";
      case PatternRefusal::Reason::UnsupportedRule:
        return "rule " + refusal->rule;
      case PatternRefusal::Reason::Malformed:
        break;
    }
    return "malformed";
  }
  const auto& pattern = std::get<ReadPattern>(reading);
  std::string rows(static_cast<std::size_t>(pattern.height * (pattern.width + 1)), '.');
  for (int y = 0; y < pattern.height; ++y) {
    rows[static_cast<std::size_t>(y * (pattern.width + 1) + pattern.width)] = '/';
  }
  for (const auto cell : pattern.living) {
    rows[static_cast<std::size_t>(cell.y * (pattern.width + 1) + cell.x)] = '*';
  }
  if (!rows.empty()) {
    rows.pop_back();
  }
  std::string comment;
  for (const std::string& line : pattern.commentLines) {
    comment += (comment.empty() ? " #" : "|") + line;
  }
  std::string grid;
  if (pattern.grid) {
    grid = std::string(pattern.grid->torus ? " T" : " P") + std::to_string(pattern.grid->columns) +
           "," + std::to_string(pattern.grid->rows);
  }
  return rows + comment + grid;
}

}  // namespace orvalis::test
