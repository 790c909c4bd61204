#pragma once

#include <string>
#include <string_view>

namespace orvalis {

// The program's texts are ISO-8859-1 bytes; LifeXML files and the file
// system speak UTF-8.

// Every byte of 128 or more becomes its two-byte UTF-8 sequence.
std::string latin1ToUtf8(std::string_view latin1);

// True for the control characters U+0000 to U+001F other than tab, LF and
// CR: no XML 1.0 document can hold them, not even as character references.
bool xmlCannotCarry(unsigned character);

// Characters beyond ISO-8859-1, and bytes that are no valid UTF-8, become '?'.
std::string utf8ToLatin1(std::string_view utf8);

// The text without the UTF-8 byte-order mark that some editors put at its
// start.
std::string_view withoutByteOrderMark(std::string_view text);

// What the file-name field shows for a path: its file part in the program's
// text.
std::string fileNameText(const std::string& path);

}  // namespace orvalis
