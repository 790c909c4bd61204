#pragma once

#include <string>
#include <string_view>

namespace orvalis {

// Texts of the program are single-byte ISO-8859-1 strings.

// The number at the start of a setting's text: leading spaces and tabs are
// skipped, an optional sign is taken, then decimal digits up to the first
// other character. No digits give 0; values beyond 64 bits stop at the limit.
long long numberValue(std::string_view text);

// Decimal text without leading zeros, "-" for negative values.
std::string decimalText(long long value);

// The text after the last slash or backslash of a path, extension included.
std::string filePart(std::string_view path);

// The text after the path's last dot, when no slash or backslash follows it;
// else empty.
std::string pathExtension(std::string_view path);

// Lower case as the program compares names: A-Z and the bytes 0xC0 to 0xDE
// each move up by 32, every other byte stays.
std::string lowerCase(std::string_view text);

}  // namespace orvalis
