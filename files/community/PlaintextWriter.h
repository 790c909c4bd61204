#pragma once

#include <string>

#include "engine/CellGrid.h"
#include "files/community/ExportedPattern.h"

namespace orvalis {

// The plaintext (.cells) file of the visible field: "!Name:", "!Author:"
// and "!" comment lines, then one line a row of "." dead and "O" alive from
// the field's top-left corner; dead cells at the end of a row and empty rows
// at the end of the field are left out, an empty row is written as ".".
// LF line breaks.
std::string plaintextText(const ExportedPattern& pattern, const CellGrid& grid);

}  // namespace orvalis
