#include "files/rle/RleSignature.h"

#include <string>

#include "files/io/TextEncoding.h"
#include "files/io/TextLines.h"
#include "settings/Text.h"

namespace orvalis {
namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// "x=3,y=2" at the start of a header without blanks.
bool isHeader(std::string_view compact) {
  if (!compact.starts_with("x=") || compact.size() < 3 || !isDigit(compact[2])) {
    return false;
  }
  const std::size_t y = compact.find(",y=");
  return y != std::string_view::npos && y + 3 < compact.size() && isDigit(compact[y + 3]);
}

}  // namespace

bool looksLikeRle(std::string_view start) {
  TextLines lines(withoutByteOrderMark(start));
  while (const auto line = lines.next()) {
    const std::string_view text = trimmed(*line);
    if (text.empty() || text.starts_with('#')) {
      continue;
    }
    std::string compact;
    for (const char c : lowerCase(text)) {
      if (c != ' ' && c != '\t') {
        compact += c;
      }
    }
    return isHeader(compact);
  }
  return false;
}

}  // namespace orvalis
