#include "files/pattern/ConwayRule.h"

#include <algorithm>
#include <bitset>
#include <string>

#include "engine/CellGrid.h"
#include "settings/Text.h"

namespace orvalis {
namespace {

using Neighbours = std::bitset<9>;

// The digits 0..8 of a text as a set; nothing for any other character.
std::optional<Neighbours> neighbourCounts(std::string_view digits) {
  Neighbours counts;
  for (const char c : digits) {
    if (c < '0' || c > '8') {
      return std::nullopt;
    }
    counts.set(static_cast<std::size_t>(c - '0'));
  }
  return counts;
}

struct BirthSurvival {
  Neighbours birth;
  Neighbours survival;
};

// "b3/s23", "b3s23", "s23/b3" (the slash optional), "23/3" (survival
// before birth) or Golly's name "life", already lower case and without
// blanks.
std::optional<BirthSurvival> birthSurvival(std::string_view rule) {
  if (rule.empty() || rule == "life") {
    return BirthSurvival{Neighbours(1u << 3), Neighbours((1u << 2) | (1u << 3))};
  }
  const std::size_t b = rule.find('b');
  const std::size_t s = rule.find('s');
  if (b == std::string_view::npos && s == std::string_view::npos) {
    const std::size_t slash = rule.find('/');
    if (slash == std::string_view::npos) {
      return std::nullopt;
    }
    const auto survival = neighbourCounts(rule.substr(0, slash));
    const auto birth = neighbourCounts(rule.substr(slash + 1));
    if (!survival || !birth) {
      return std::nullopt;
    }
    return BirthSurvival{*birth, *survival};
  }
  if (b == std::string_view::npos || s == std::string_view::npos) {
    return std::nullopt;
  }
  // Each letter's digits run to the other letter or the end; a slash may
  // stand between the two parts.
  const auto part = [&](std::size_t from, std::size_t to) {
    std::string_view digits = rule.substr(from + 1, to - from - 1);
    if (!digits.empty() && digits.back() == '/' && to != rule.size()) {
      digits.remove_suffix(1);
    }
    return neighbourCounts(digits);
  };
  const auto birth = b < s ? part(b, s) : part(b, rule.size());
  const auto survival = s < b ? part(s, b) : part(s, rule.size());
  if ((b != 0 && s != 0) || !birth || !survival) {
    return std::nullopt;
  }
  return BirthSurvival{*birth, *survival};
}

// At least 1 in plain decimal digits; any size beyond the grid's reads as
// one more than it holds.
std::optional<int> gridSize(std::string_view digits) {
  if (digits.empty()) {
    return std::nullopt;
  }
  constexpr int beyondGrid = std::max(gridColumns, gridRows) + 1;
  int value = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') {
      return std::nullopt;
    }
    value = std::min(value * 10 + (c - '0'), beyondGrid);
  }
  if (value < 1) {
    return std::nullopt;
  }
  return value;
}

// "t40,30" or "p40,30".
std::optional<BoundedGrid> boundedGrid(std::string_view suffix) {
  if (suffix.empty() || (suffix[0] != 't' && suffix[0] != 'p')) {
    return std::nullopt;
  }
  const std::size_t comma = suffix.find(',');
  if (comma == std::string_view::npos) {
    return std::nullopt;
  }
  const auto columns = gridSize(suffix.substr(1, comma - 1));
  const auto rows = gridSize(suffix.substr(comma + 1));
  if (!columns || !rows) {
    return std::nullopt;
  }
  return BoundedGrid{*columns, *rows, suffix[0] == 't'};
}

}  // namespace

std::optional<ConwayRule> conwayRule(std::string_view rule) {
  std::string compact;
  for (const char c : lowerCase(rule)) {
    if (c != ' ' && c != '\t') {
      compact += c;
    }
  }
  const std::size_t colon = compact.find(':');
  const auto counts = birthSurvival(std::string_view(compact).substr(0, colon));
  if (!counts || counts->birth != Neighbours(1u << 3) ||
      counts->survival != Neighbours((1u << 2) | (1u << 3))) {
    return std::nullopt;
  }
  ConwayRule conway;
  if (colon != std::string::npos) {
    const auto grid = boundedGrid(std::string_view(compact).substr(colon + 1));
    if (!grid) {
      return std::nullopt;
    }
    if (grid->columns > gridColumns || grid->rows > gridRows) {
      conway.gridTooLarge = true;
    } else {
      conway.grid = grid;
    }
  }
  return conway;
}

}  // namespace orvalis
