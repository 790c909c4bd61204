#include "files/lifexml/CellLines.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace orvalis {
namespace {

constexpr std::string_view lineStart = "\r\n    <";
constexpr std::string_view beforeX = " x=\"";
constexpr std::string_view beforeY = "\" y=\"";
constexpr std::string_view lineEnd = "\"/>";

// Copies `part` to `out` and returns the end of the copy.
char* put(char* out, std::string_view part) {
  return std::copy(part.begin(), part.end(), out);
}

// Moves past `expected` at `offset`; false when the text does not go on so.
// Compared byte by byte: inlined with the constant texts, that is a few
// instructions.
inline bool skip(std::string_view text, std::size_t& offset, std::string_view expected) {
  if (text.size() - offset < expected.size()) {
    return false;
  }
  for (std::size_t i = 0; i < expected.size(); ++i) {
    if (text[offset + i] != expected[i]) {
      return false;
    }
  }
  offset += expected.size();
  return true;
}

// The decimal digits at `offset`, at least one.
std::optional<std::string_view> digitsAt(std::string_view text, std::size_t& offset) {
  const std::size_t first = offset;
  while (offset < text.size() && text[offset] >= '0' && text[offset] <= '9') {
    ++offset;
  }
  if (offset == first) {
    return std::nullopt;
  }
  return text.substr(first, offset - first);
}

}  // namespace

void appendCellLine(std::string& text, char name, int x, int y) {
  // Put together in place and appended at once: the writer makes a line for
  // every cell.
  std::array<char, 64> line;
  char* end = put(line.data(), lineStart);
  *end++ = name;
  end = put(end, beforeX);
  end = std::to_chars(end, line.data() + line.size(), x).ptr;
  end = put(end, beforeY);
  end = std::to_chars(end, line.data() + line.size(), y).ptr;
  end = put(end, lineEnd);
  text.append(line.data(), end);
}

std::optional<CellLine> cellLineAt(std::string_view text, std::size_t& length) {
  std::size_t offset = 0;
  if (!skip(text, offset, lineStart) || offset >= text.size()) {
    return std::nullopt;
  }
  const char name = text[offset++];
  if (name != 'F' && name != 'S' && name != 'E') {
    return std::nullopt;
  }
  if (!skip(text, offset, beforeX)) {
    return std::nullopt;
  }
  const auto x = digitsAt(text, offset);
  if (!x || !skip(text, offset, beforeY)) {
    return std::nullopt;
  }
  const auto y = digitsAt(text, offset);
  if (!y || !skip(text, offset, lineEnd)) {
    return std::nullopt;
  }
  length = offset;
  return CellLine{name, *x, *y};
}

}  // namespace orvalis
