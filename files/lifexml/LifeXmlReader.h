#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "files/lifexml/XmlDocument.h"

namespace orvalis {

// Limits that keep a hostile document from exhausting the stack or memory:
// the parser stops at the first element nested deeper, or at the first node
// beyond the count, as it stops at a syntax error.
inline constexpr std::size_t maxXmlDepth = 256;
inline constexpr std::size_t maxXmlNodes = 1'000'000;

// The size of the pieces in which a file is fed to the parser.
inline constexpr std::size_t xmlPieceBytes = 16384;

// The document tree of a LifeXML file's content, or nothing when it is
// empty. A document that is not well-formed still gives the tree read up to
// the error.
std::optional<XmlDocument> parseLifeXml(std::string_view content);

}  // namespace orvalis
