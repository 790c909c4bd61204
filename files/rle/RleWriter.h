#pragma once

#include <string>

#include "files/pattern/ExportedPattern.h"

namespace orvalis {

// The RLE file of the whole visible field, so that Golly runs it as the
// program does: "#CXRLE Pos=" places it on Golly's bounded grid, the rule
// "B3/S23:Tc,r" (torus) or "B3/S23:Pc,r" (plane) gives the field's size and
// edges. Name (when there is one), author and comment lines come first; body lines hold at most
// 70 characters; dead cells at the end of a row and empty rows at the end
// of the field are left out. LF line breaks.
std::string rleText(const ExportedPattern& pattern);

// The runs of `cells` after the header, as rleText writes them, up to "!"
// and its line break.
std::string rleBody(const PatternCells& cells);

}  // namespace orvalis
