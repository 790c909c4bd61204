#include "files/rle/RleReader.h"

#include <algorithm>
#include <cctype>

#include "engine/CellGrid.h"
#include "files/io/TextEncoding.h"
#include "files/io/TextLines.h"
#include "files/pattern/RuleLine.h"
#include "settings/Text.h"

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
  std::optional<std::string_view> rule;
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

// "#C text", "#c text", "# text" and a bare "#": a line of the comment.
bool readCommentLine(std::string_view line, ReadPattern& pattern) {
  const char kind = line.size() > 1 ? line[1] : ' ';
  if (kind != 'C' && kind != 'c' && kind != ' ' && kind != '\t') {
    return false;
  }
  if (line.starts_with("#CXRLE")) {
    return false;
  }
  pattern.commentLines.push_back(
      utf8ToLatin1(trimmed(line.substr(std::min<std::size_t>(2, line.size())))));
  return true;
}

// The details before the header; `rule` takes a "#r" line's rule.
void readHashLine(std::string_view line, ReadPattern& pattern,
                  std::optional<std::string_view>& rule) {
  if (readCommentLine(line, pattern)) {
    return;
  }
  const char kind = line[1];
  const std::string_view text = trimmed(line.substr(2));
  if (line.starts_with("#CXRLE")) {
    if (const auto position = xrlePosition(line)) {
      pattern.gridPosition = position;
    }
  } else if (kind == 'N') {
    pattern.name = utf8ToLatin1(text);
  } else if (kind == 'O') {
    pattern.author = utf8ToLatin1(text);
  } else if (kind == 'r') {
    rule = text;
  } else if (kind == 'P' || kind == 'R') {
    if (const auto position = oldPosition(text)) {
      pattern.gridPosition = position;
    }
  }
}

// Cells of states beyond 1, which only rules of more states know: "B" to
// "X", or "p" to "y" before one of "A" to "X".
bool isMultiStateCell(std::string_view runs, std::size_t at) {
  const char c = runs[at];
  const auto isStateLetter = [](char letter) { return letter >= 'A' && letter <= 'X'; };
  if (c >= 'p' && c <= 'y') {
    return at + 1 < runs.size() && isStateLetter(runs[at + 1]);
  }
  return c != 'A' && isStateLetter(c);
}

// The runs after the header, read line by line up to "!": "b" or "." dead,
// "o" or another letter alive, "$" the end of a row, each after an optional
// count, which may go on in the next line. Columns and rows grow
// monotonically, so every living cell is stored once and their number stays
// within 500 x 500.
class RunReader {
 public:
  explicit RunReader(ReadPattern& pattern) : pattern_(pattern) {}

  bool ended() const { return ended_; }

  // A refusal for runs that cannot be read; multi-state cells are refused
  // as an unsupported rule.
  std::optional<PatternRefusal> read(std::string_view runs) {
    for (std::size_t at = 0; at < runs.size() && !ended_; ++at) {
      const char c = runs[at];
      if (isDigit(c)) {
        if (++digits_ > maxRunDigits) {
          return refusal(Reason::Malformed);
        }
        count_ = count_ * 10 + (c - '0');
        continue;
      }
      if (c == ' ' || c == '\t') {
        continue;
      }
      if (isMultiStateCell(runs, at)) {
        return refusal(Reason::UnsupportedRule);
      }
      const long long run = count_ == 0 ? 1 : count_;
      count_ = 0;
      digits_ = 0;
      if (const auto refused = apply(c, run)) {
        return refused;
      }
    }
    return std::nullopt;
  }

 private:
  std::optional<PatternRefusal> apply(char c, long long run) {
    if (c == '!') {
      ended_ = true;
    } else if (c == '$') {
      y_ += run;
      x_ = 0;
    } else if (c == 'b' || c == '.') {
      x_ += run;
    } else if (std::isalpha(static_cast<unsigned char>(c))) {
      if (x_ + run > gridColumns || y_ >= gridRows) {
        return refusal(Reason::TooLarge);
      }
      for (long long k = 0; k < run; ++k, ++x_) {
        pattern_.living.push_back({static_cast<std::int16_t>(x_), static_cast<std::int16_t>(y_)});
      }
      pattern_.width = std::max(pattern_.width, static_cast<int>(x_));
      pattern_.height = std::max(pattern_.height, static_cast<int>(y_ + 1));
    } else {
      return refusal(Reason::Malformed);
    }
    return std::nullopt;
  }

  ReadPattern& pattern_;
  long long x_ = 0;
  long long y_ = 0;
  long long count_ = 0;
  int digits_ = 0;
  bool ended_ = false;
};

// Cells of more states under a rule of two: the message names the rule with
// what the file adds to it.
PatternRefusal multiStateRule(std::string_view rule) {
  PatternRefusal refused = unsupportedRule(rule.empty() ? "B3/S23" : rule);
  refused.rule += " mit mehr als zwei Zust\xE4nden";  // Latin-1, as rules are held
  return refused;
}

}  // namespace

PatternReading readRle(std::string_view text) {
  ReadPattern pattern;
  TextLines lines(withoutByteOrderMark(text));
  std::optional<std::string_view> hashRule;
  std::optional<Header> found;
  while (const auto line = lines.next()) {
    if (line->starts_with("#")) {
      readHashLine(*line, pattern, hashRule);
    } else if (!trimmed(*line).empty()) {
      found = header(*line);
      break;
    }
  }
  if (!found) {
    return refusal(Reason::Malformed);
  }
  // The header's rule wins over a "#r" line; without either the rule is
  // Conway's.
  const std::string_view ruleText = found->rule.value_or(hashRule.value_or(""));
  if (const auto refused = takeRule(ruleText, pattern)) {
    return *refused;
  }
  if (*found->width > gridColumns || *found->height > gridRows) {
    return refusal(Reason::TooLarge);
  }
  // Comment lines may stand between the runs and after their end.
  RunReader runs(pattern);
  while (const auto line = lines.next()) {
    if (line->starts_with("#")) {
      readCommentLine(*line, pattern);
    } else if (!runs.ended()) {
      if (const auto refused = runs.read(*line)) {
        return refused->reason == Reason::UnsupportedRule ? multiStateRule(ruleText) : *refused;
      }
    }
  }
  pattern.width = std::max(pattern.width, static_cast<int>(*found->width));
  pattern.height = std::max(pattern.height, static_cast<int>(*found->height));
  return pattern;
}

}  // namespace orvalis
