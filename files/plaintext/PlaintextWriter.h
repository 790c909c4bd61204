#pragma once

#include <string>

#include "files/pattern/ExportedPattern.h"

namespace orvalis {

// The plaintext (.cells) file of the visible field: "!Name:" (when there is
// a name), "!Author:" and "!" comment lines, then one line a row of "." dead
// and "O" alive from the field's top-left corner. Dead cells at the end of a
// row are left out, an empty row is written as ".", and the last row spans
// the field, so that read back the pattern fills a field of the same size
// from its top-left corner. LF line breaks.
std::string plaintextText(const ExportedPattern& pattern);

// The rows of `cells` as plaintextText writes them.
std::string plaintextRows(const PatternCells& cells);

}  // namespace orvalis
