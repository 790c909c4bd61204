#include "files/plaintext/PlaintextReader.h"

#include <algorithm>

#include "engine/CellGrid.h"
#include "files/io/TextEncoding.h"
#include "files/io/TextLines.h"
#include "settings/Text.h"

namespace orvalis {
namespace {

using Reason = PatternRefusal::Reason;

// "!Name:" and "!Author:" name their field only right after the "!", so
// that a comment line "! Name: ..." stays a comment line.
void readCommentLine(std::string_view text, ReadPattern& pattern) {
  const std::string lower = lowerCase(text.substr(0, 7));
  if (lower.starts_with("name:")) {
    pattern.name = utf8ToLatin1(trimmed(text.substr(5)));
  } else if (lower.starts_with("author:")) {
    pattern.author = utf8ToLatin1(trimmed(text.substr(7)));
  } else {
    pattern.commentLines.push_back(utf8ToLatin1(trimmed(text)));
  }
}

}  // namespace

PatternReading readPlaintext(std::string_view text) {
  ReadPattern pattern;
  TextLines lines(withoutByteOrderMark(text));
  // Empty lines before the first row are no rows; later ones are.
  int row = 0;
  bool rowsStarted = false;
  while (const auto line = lines.next()) {
    if (line->starts_with("!")) {
      readCommentLine(line->substr(1), pattern);
      continue;
    }
    const std::string_view cells = line->substr(0, line->find_last_not_of(" \t") + 1);
    if (cells.empty() && !rowsStarted) {
      continue;
    }
    rowsStarted = true;
    if (!cells.empty() && (row >= gridRows || cells.size() > gridColumns)) {
      return PatternRefusal{Reason::TooLarge, {}};
    }
    for (std::size_t x = 0; x < cells.size(); ++x) {
      if (cells[x] == 'O' || cells[x] == '*') {
        pattern.living.push_back({static_cast<std::int16_t>(x), static_cast<std::int16_t>(row)});
      } else if (cells[x] != '.') {
        return PatternRefusal{Reason::Malformed, {}};
      }
    }
    if (!cells.empty()) {
      pattern.width = std::max(pattern.width, static_cast<int>(cells.size()));
      pattern.height = row + 1;
    }
    ++row;
  }
  return pattern;
}

}  // namespace orvalis
