#pragma once

#include "engine/CellGrid.h"
#include "screen/ScreenLayer.h"
#include "screen/ScreenLayout.h"

namespace orvalis {

// One whole picture of the field into the back buffer: white, then the grid
// lines or the frame, then every living, fixed or about-to-be-born cell at
// the position stored in it. Dead cells show the background.
void drawPresentationFrame(ScreenLayer& screen, const CellGrid& grid, const ScreenLayout& layout,
                           bool gridLines);

}  // namespace orvalis
