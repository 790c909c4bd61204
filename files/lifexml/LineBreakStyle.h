#pragma once

#include <optional>
#include <string_view>

namespace orvalis {

// The line break style of a LifeXML file is that of its first line break:
// "\r\n", "\n" or "\r". `piece` is one of the pieces in which the file is
// fed to the parser, `following` what comes after it (consulted only when
// the piece ends in a CR). Nothing when the piece holds no line break. A
// piece with more than four zero bytes is read as 16-bit units, as a UTF-16
// file would be, in the byte order its zero bytes show.
std::optional<std::string_view> lineBreakStyle(std::string_view piece, std::string_view following);

}  // namespace orvalis
