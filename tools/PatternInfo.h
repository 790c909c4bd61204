#pragma once

#include <ostream>

#include "engine/CellGrid.h"
#include "settings/GadgetAccess.h"

namespace orvalis::cli {

// Prints the settings, the field size, how many visible cells of each kind
// there are, and the comment, in UTF-8.
void printPatternInfo(std::ostream& out, GadgetAccess& gadgets, const CellGrid& grid);

}  // namespace orvalis::cli
