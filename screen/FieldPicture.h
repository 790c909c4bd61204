#pragma once

#include "engine/CellGrid.h"
#include "screen/ScreenLayer.h"
#include "screen/ScreenLayout.h"

namespace orvalis {

// Colours of the presentation, the same as the field view's.
namespace screenColour {
inline constexpr QRgb background = 0xFFFFFFFF;
inline constexpr QRgb lines = 0xFF000000;  // grid lines and frame
inline constexpr QRgb birth = 0xFFDCDCDC;  // a dead cell about to be born
inline constexpr QRgb death = 0xFF960000;  // a living cell about to die
inline constexpr QRgb staticCell = 0xFF000096;
inline constexpr QRgb blockedCell = 0xFFFAFA00;
inline constexpr QRgb living = 0xFF323232;  // any other cell that is drawn
}  // namespace screenColour

// One whole picture of the field into the back buffer: white, then the grid
// lines or the frame, then every living, fixed or about-to-be-born cell at
// the position stored in it. Dead cells show the background.
void drawPresentationFrame(ScreenLayer& screen, const CellGrid& grid, const ScreenLayout& layout,
                           bool gridLines);

}  // namespace orvalis
