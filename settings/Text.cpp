#include "settings/Text.h"

#include <limits>

namespace orvalis {

long long numberValue(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
    ++i;
  }
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  // Accumulated as a negative number, whose range reaches one further.
  constexpr long long lowest = std::numeric_limits<long long>::min();
  long long value = 0;
  bool saturated = false;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    const int digit = text[i] - '0';
    if (value < (lowest + digit) / 10) {
      saturated = true;
    } else if (!saturated) {
      value = value * 10 - digit;
    }
  }
  if (saturated) {
    return negative ? lowest : std::numeric_limits<long long>::max();
  }
  if (!negative) {
    return value == lowest ? std::numeric_limits<long long>::max() : -value;
  }
  return value;
}

std::string decimalText(long long value) {
  return std::to_string(value);
}

std::string filePart(std::string_view path) {
  const std::size_t separator = path.find_last_of("/\\");
  return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

std::string pathExtension(std::string_view path) {
  const std::size_t dot = path.rfind('.');
  if (dot == std::string_view::npos || path.find_first_of("/\\", dot) != std::string_view::npos) {
    return {};
  }
  return std::string(path.substr(dot + 1));
}

std::string lowerCase(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE)) {
      c = static_cast<char>(byte + 32);
    }
  }
  return result;
}

}  // namespace orvalis
