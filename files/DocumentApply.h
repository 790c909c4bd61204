#pragma once

#include "engine/CellGrid.h"
#include "files/PatternDocument.h"
#include "settings/GadgetAccess.h"

namespace orvalis {

// Gives the panel a document's settings in the file's order and its
// details, and the grid its cells (state and remembered state, no marks).
void placeDocument(const PatternDocument& document, GadgetAccess& gadgets, CellGrid& grid);

// Puts a read document on the field, the same way in the program and in
// orvalis-cli: placed, then with its effect on the run. Repainting and
// laying out the view are the caller's.
void applyDocument(const PatternDocument& document, GadgetAccess& gadgets, LifeField& field);

// The document of what the program shows: the settings a file keeps, the
// details and the visible field's cells.
PatternDocument fieldDocument(GadgetAccess& gadgets, const CellGrid& grid);

}  // namespace orvalis
