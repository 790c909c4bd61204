#pragma once

#include "engine/CellGrid.h"
#include "engine/Gadgets.h"

namespace orvalis {

// The visible field size from "Größe X" and "Y", brought into 1..500 so
// that no loop over it can leave the grid, whatever the gadgets report.
FieldSize visibleFieldSize(GadgetAccess& gadgets);

}  // namespace orvalis
