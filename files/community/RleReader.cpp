#include "files/community/RleReader.h"

#include <algorithm>
#include <cctype>

#include "engine/CellGrid.h"
#include "engine/Text.h"
#include "files/io/TextEncoding.h"
#include "files/io/TextLines.h"

namespace orvalis {
namespace {

using Reason = PatternRefusal::Reason;

constexpr int maxRunDigits = 9;

PatternRefusal refusal(Reason reason) {
  return {reason, {}};
}

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// "x = 3, y = 2, rule = B3/S23": the value of each key, blanks ignored.
struct Header {
  std::optional<long long> width;
  std::optional<long long> height;
  std::string_view rule;
};

// A whole number of at most nine digits, blanks around it allowed.
std::optional<long long> headerNumber(std::string_view text) {
  text = trimmed(text);
  if (text.empty() || text.size() > maxRunDigits ||
      !std::all_of(text.begin(), text.end(), isDigit)) {
    return std::nullopt;
  }
  return numberValue(text);
}

std::optional<Header> header(std::string_view line) {
  Header parsed;
  const char* const end = line.data() + line.size();
  while (!line.empty()) {
    const std::size_t comma = line.find(',');
    const std::string_view item = line.substr(0, comma);
    line = comma == std::string_view::npos ? std::string_view() : line.substr(comma + 1);
    const std::size_t equals = item.find('=');
    if (equals == std::string_view::npos) {
      return std::nullopt;
    }
    const std::string key = lowerCase(trimmed(item.substr(0, equals)));
    const std::string_view value = item.substr(equals + 1);
    if (key == "x") {
      parsed.width = headerNumber(value);
    } else if (key == "y") {
      parsed.height = headerNumber(value);
    } else if (key == "rule") {
      // Golly's grid suffix ":T40,30" holds a comma: the rule runs to the
      // line's end.
      parsed.rule =
          trimmed(std::string_view(value.data(), static_cast<std::size_t>(end - value.data())));
      break;
    }
  }
  if (!parsed.width || !parsed.height) {
    return std::nullopt;
  }
  return parsed;
}

// A position far off every grid places nothing whatever its size, so it is
// held in a range where adding a grid's size cannot overflow.
ReadPattern::Position position(std::string_view x, std::string_view y) {
  constexpr long long farOff = 1LL << 40;
  return {std::clamp(numberValue(x), -farOff, farOff), std::clamp(numberValue(y), -farOff, farOff)};
}

// "Pos=-12,5" anywhere in a "#CXRLE" line.
std::optional<ReadPattern::Position> xrlePosition(std::string_view line) {
  const std::size_t pos = line.find("Pos=");
  if (pos == std::string_view::npos) {
    return std::nullopt;
  }
  const std::string_view numbers = line.substr(pos + 4);
  const std::size_t comma = numbers.find(',');
  if (comma == std::string_view::npos) {
    return std::nullopt;
  }
  return position(numbers.substr(0, comma), numbers.substr(comma + 1));
}

// "#P 3 -4": two numbers apart by blanks.
std::optional<ReadPattern::Position> oldPosition(std::string_view text) {
  text = trimmed(text);
  const std::size_t gap = text.find_first_of(" \t");
  if (gap == std::string_view::npos) {
    return std::nullopt;
  }
  return position(text.substr(0, gap), text.substr(gap));
}

void readHashLine(std::string_view line, ReadPattern& pattern) {
  const char kind = line.size() > 1 ? line[1] : ' ';
  const std::string text =
      utf8ToLatin1(trimmed(line.substr(std::min<std::size_t>(2, line.size()))));
  if (line.starts_with("#CXRLE")) {
    if (const auto position = xrlePosition(line)) {
      pattern.gridPosition = position;
    }
  } else if (kind == 'N') {
    pattern.name = text;
  } else if (kind == 'O') {
    pattern.author = text;
  } else if (kind == 'C' || kind == 'c') {
    pattern.commentLines.push_back(text);
  } else if (kind == 'P' || kind == 'R') {
    if (const auto position = oldPosition(line.substr(2))) {
      pattern.gridPosition = position;
    }
  }
}

// The runs after the header, up to "!" or the end of the text. Columns and
// rows grow monotonically, so every living cell is stored once and their
// number stays within 500 x 500.
std::optional<PatternRefusal> readRuns(std::string_view body, ReadPattern& pattern) {
  long long x = 0;
  long long y = 0;
  long long count = 0;
  int digits = 0;
  for (const char c : body) {
    if (isDigit(c)) {
      if (++digits > maxRunDigits) {
        return refusal(Reason::Malformed);
      }
      count = count * 10 + (c - '0');
      continue;
    }
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      continue;
    }
    const long long run = count == 0 ? 1 : count;
    count = 0;
    digits = 0;
    if (c == '!') {
      break;
    }
    if (c == '$') {
      y += run;
      x = 0;
    } else if (c == 'b' || c == '.') {
      x += run;
    } else if (std::isalpha(static_cast<unsigned char>(c))) {
      if (x + run > gridColumns || y >= gridRows) {
        return refusal(Reason::TooLarge);
      }
      for (long long k = 0; k < run; ++k, ++x) {
        pattern.living.push_back({static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)});
      }
      pattern.width = std::max(pattern.width, static_cast<int>(x));
      pattern.height = std::max(pattern.height, static_cast<int>(y + 1));
    } else {
      return refusal(Reason::Malformed);
    }
  }
  return std::nullopt;
}

}  // namespace

PatternReading readRle(std::string_view text) {
  ReadPattern pattern;
  TextLines lines(text);
  std::optional<Header> found;
  while (const auto line = lines.next()) {
    if (line->starts_with("#")) {
      readHashLine(*line, pattern);
    } else if (!trimmed(*line).empty()) {
      found = header(*line);
      break;
    }
  }
  if (!found) {
    return refusal(Reason::Malformed);
  }
  const auto rule = conwayRule(found->rule);
  if (!rule) {
    constexpr std::size_t shownRuleLength = 80;
    return PatternRefusal{Reason::UnsupportedRule,
                          utf8ToLatin1(found->rule.substr(0, shownRuleLength))};
  }
  if (*found->width > gridColumns || *found->height > gridRows) {
    return refusal(Reason::TooLarge);
  }
  pattern.grid = rule->grid;
  if (const auto refused = readRuns(lines.rest(), pattern)) {
    return *refused;
  }
  pattern.width = std::max(pattern.width, static_cast<int>(*found->width));
  pattern.height = std::max(pattern.height, static_cast<int>(*found->height));
  return pattern;
}

}  // namespace orvalis
