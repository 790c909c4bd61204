#pragma once

#include <string>
#include <string_view>

#include "files/PatternDocument.h"

namespace orvalis {

// The Life file of a document: five little-endian 32-bit integers
// (interval, columns, rows, grid, infinite), one state byte per cell row by
// row, then the comment and CR LF unless the comment is empty.
std::string lifeFileBytes(const PatternDocument& document);

// The document of a Life file's bytes. Bytes missing at the end read as 0.
// Only the file's cells inside the 500 x 500 grid are given, and the other
// cells stay as they are; the comment's lines are joined into one; author
// and date are cleared.
PatternDocument lifeFileDocument(std::string_view bytes);

}  // namespace orvalis
