#pragma once

#include <string>

#include "engine/CellGrid.h"

namespace orvalis {

// The text of the panel's status line, "Generation G · N lebend", in
// ISO-8859-1 as every text of the gadgets.
std::string statusLineText(const LifeField& field);

}  // namespace orvalis
