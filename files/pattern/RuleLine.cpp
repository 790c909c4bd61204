#include "files/pattern/RuleLine.h"

#include "files/io/TextEncoding.h"
#include "files/io/TextLines.h"
#include "files/pattern/ConwayRule.h"

namespace orvalis {

std::optional<PatternRefusal> takeRule(std::string_view rule, ReadPattern& pattern) {
  const auto conway = conwayRule(rule);
  if (!conway) {
    return unsupportedRule(trimmed(rule));
  }
  if (conway->gridTooLarge) {
    return PatternRefusal{PatternRefusal::Reason::TooLarge, {}};
  }
  pattern.grid = conway->grid;
  return std::nullopt;
}

PatternRefusal unsupportedRule(std::string_view rule) {
  constexpr std::size_t shownRuleLength = 80;
  return {PatternRefusal::Reason::UnsupportedRule, utf8ToLatin1(rule.substr(0, shownRuleLength))};
}

}  // namespace orvalis
