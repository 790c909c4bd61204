#pragma once

#include <string>

#include "engine/CellGrid.h"
#include "files/community/ReadPattern.h"
#include "settings/GadgetAccess.h"

namespace orvalis {

// Replaces the field with the pattern as every load does: all 500 x 500
// cells dead, then the pattern's cells alive. With a bounded grid the field
// takes its size and "&Infinit" its kind, and the pattern lands where Golly
// puts it; otherwise it is centred in the visible field, which grows to fit
// it. Name and comment lines become the comment and source as
// PatternDetails maps them; the file-name field shows the file's name.
// The formats hold no date, so none is left. Interval and grid lines stay.
void placePattern(const ReadPattern& pattern, const std::string& path, GadgetAccess& gadgets,
                  CellGrid& grid);

}  // namespace orvalis
