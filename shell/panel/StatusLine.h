#pragma once

#include <optional>
#include <string>

#include "engine/CellGrid.h"
#include "engine/RepeatSearch.h"

namespace orvalis {

// The text of the panel's status line, "Generation G · N lebend", followed
// by " · Periode P ab Generation R" once the run has repeated itself, in
// ISO-8859-1 as every text of the gadgets.
std::string statusLineText(const LifeField& field, std::optional<Repeat> repeat);

}  // namespace orvalis
