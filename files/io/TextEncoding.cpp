#include "files/io/TextEncoding.h"

#include "settings/Text.h"

namespace orvalis {
namespace {

bool isContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// Length of the UTF-8 sequence that starts with `lead`, 0 for a byte that
// cannot start one.
std::size_t sequenceLength(unsigned char lead) {
  if (lead < 0x80) {
    return 1;
  }
  if (lead >= 0xC2 && lead <= 0xDF) {
    return 2;
  }
  if (lead >= 0xE0 && lead <= 0xEF) {
    return 3;
  }
  if (lead >= 0xF0 && lead <= 0xF4) {
    return 4;
  }
  return 0;
}

}  // namespace

bool xmlCannotCarry(unsigned character) {
  return character < 0x20 && character != '\t' && character != '\n' && character != '\r';
}

std::string latin1ToUtf8(std::string_view latin1) {
  std::string utf8;
  utf8.reserve(latin1.size());
  for (const char c : latin1) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      utf8 += c;
    } else {
      utf8 += static_cast<char>(0xC0 | (byte >> 6));
      utf8 += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return utf8;
}

std::string utf8ToLatin1(std::string_view utf8) {
  std::string latin1;
  latin1.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const std::size_t length = sequenceLength(lead);
    bool complete = length != 0 && i + length <= utf8.size();
    for (std::size_t k = 1; complete && k < length; ++k) {
      complete = isContinuation(static_cast<unsigned char>(utf8[i + k]));
    }
    if (!complete) {
      latin1 += '?';
      ++i;
      continue;
    }
    if (length == 1) {
      latin1 += static_cast<char>(lead);
    } else if (length == 2 && lead <= 0xC3) {
      const auto next = static_cast<unsigned char>(utf8[i + 1]);
      latin1 += static_cast<char>(((lead & 0x1F) << 6) | (next & 0x3F));
    } else {
      latin1 += '?';
    }
    i += length;
  }
  return latin1;
}

std::string_view withoutByteOrderMark(std::string_view text) {
  constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
  return text.starts_with(byteOrderMark) ? text.substr(byteOrderMark.size()) : text;
}

std::string fileNameText(const std::string& path) {
  return utf8ToLatin1(filePart(path));
}

}  // namespace orvalis
