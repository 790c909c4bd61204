#include "files/lifetext/LifeTextReader.h"

#include <charconv>

#include "files/io/TextEncoding.h"
#include "files/io/TextLines.h"
#include "files/pattern/RuleLine.h"
#include "files/pattern/ScatteredCells.h"

namespace orvalis {
namespace {

using Reason = PatternRefusal::Reason;

constexpr std::string_view life105 = "#Life 1.05";
constexpr std::string_view life106 = "#Life 1.06";

// Far enough for any file, near enough that extents cannot overflow.
constexpr long long farthest = 1LL << 60;

// A whole number with optional "-", then the rest of the text.
std::optional<long long> coordinate(std::string_view& text) {
  text = trimmed(text);
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || value < -farthest || value > farthest) {
    return std::nullopt;
  }
  text.remove_prefix(static_cast<std::size_t>(end - text.data()));
  return value;
}

// "x y", blanks around and between.
std::optional<std::pair<long long, long long>> pair(std::string_view text) {
  const auto x = coordinate(text);
  if (!x || text.empty() || (text[0] != ' ' && text[0] != '\t')) {
    return std::nullopt;
  }
  const auto y = coordinate(text);
  if (!y || !trimmed(text).empty()) {
    return std::nullopt;
  }
  return std::pair(*x, *y);
}

class LifeTextReading {
 public:
  explicit LifeTextReading(bool blocks) : blocks_(blocks) {}

  std::optional<PatternRefusal> line(std::string_view line) {
    if (line.starts_with('#')) {
      return hashLine(line);
    }
    return blocks_ ? row(line) : cell(line);
  }

  ReadPattern pattern() const {
    ReadPattern read = cells_.pattern();
    read.grid = rule_.grid;
    read.commentLines = comment_;
    return read;
  }

 private:
  std::optional<PatternRefusal> hashLine(std::string_view line) {
    const char kind = line.size() > 1 ? line[1] : ' ';
    const std::string_view text = line.substr(std::min<std::size_t>(2, line.size()));
    if (kind == 'D' || kind == 'C') {
      comment_.push_back(utf8ToLatin1(trimmed(text)));
    } else if (kind == 'R') {
      return takeRule(text, rule_);
    } else if (kind == 'P' && blocks_) {
      // A bare "#P" starts its block at 0 0, as other Life programs read it.
      const auto topLeft =
          trimmed(text).empty() ? std::pair<long long, long long>{0, 0} : pair(text);
      if (!topLeft) {
        return PatternRefusal{Reason::Malformed, {}};
      }
      left_ = topLeft->first;
      y_ = topLeft->second;
    }
    return std::nullopt;
  }

  std::optional<PatternRefusal> row(std::string_view line) {
    line = trimmed(line);
    for (std::size_t x = 0; x < line.size(); ++x) {
      if (line[x] == '*') {
        if (!cells_.add(left_ + static_cast<long long>(x), y_)) {
          return PatternRefusal{Reason::TooLarge, {}};
        }
      } else if (line[x] != '.') {
        return PatternRefusal{Reason::Malformed, {}};
      }
    }
    // Rows run on below the last "#P" as far as a file may.
    if (++y_ > farthest) {
      return PatternRefusal{Reason::Malformed, {}};
    }
    return std::nullopt;
  }

  std::optional<PatternRefusal> cell(std::string_view line) {
    if (trimmed(line).empty()) {
      return std::nullopt;
    }
    const auto position = pair(line);
    if (!position) {
      return PatternRefusal{Reason::Malformed, {}};
    }
    if (!cells_.add(position->first, position->second)) {
      return PatternRefusal{Reason::TooLarge, {}};
    }
    return std::nullopt;
  }

  bool blocks_;
  ScatteredCells cells_;
  ReadPattern rule_;  // the rule's grid
  std::vector<std::string> comment_;
  long long left_ = 0;
  long long y_ = 0;
};

}  // namespace

bool looksLikeLifeText(std::string_view start) {
  const std::string_view first = TextLines(withoutByteOrderMark(start)).next().value_or("");
  return first.starts_with(life105) || first.starts_with(life106);
}

PatternReading readLifeText(std::string_view text) {
  TextLines lines(withoutByteOrderMark(text));
  const std::string_view first = lines.next().value_or("");
  if (!looksLikeLifeText(first)) {
    return PatternRefusal{Reason::Malformed, {}};
  }
  LifeTextReading reading(first.starts_with(life105));
  while (const auto line = lines.next()) {
    if (auto refusal = reading.line(*line)) {
      return *refusal;
    }
  }
  return reading.pattern();
}

}  // namespace orvalis
