#include "files/community/RuleLine.h"

#include <string>

#include "files/io/TextLines.h"

namespace orvalis {

std::optional<PatternRefusal> takeRule(std::string_view rule, ReadPattern& pattern) {
  const auto conway = conwayRule(rule);
  if (!conway) {
    return PatternRefusal{PatternRefusal::Reason::UnsupportedRule, std::string(trimmed(rule))};
  }
  pattern.grid = conway->grid;
  return std::nullopt;
}

}  // namespace orvalis
