#pragma once

#include <string>

#include "engine/CellGrid.h"
#include "files/picture/RgbPicture.h"
#include "settings/GadgetAccess.h"

namespace orvalis {

// Turns a picture already fitted to `size` into cells: a pixel whose
// brightness (R + G + B) / 3 exceeds the threshold makes a living cell, the
// others dead ones; `invert` swaps the two. Every visible cell's state and
// remembered state are overwritten and its mark cleared; cells outside the
// visible field stay as they are.
void writePictureCells(const RgbPicture& fitted, FieldSize size, int threshold, bool invert,
                       CellGrid& grid);

// Imports the picture at `path` onto the visible field with the panel's
// threshold and "Invers". True when the picture loaded and the cells were
// written, and the file-name field then shows the picture's name; false,
// with nothing changed, for a file that is no picture the program can read.
// The field size stays; repainting is the caller's.
bool importPicture(const std::string& path, GadgetAccess& gadgets, CellGrid& grid);

}  // namespace orvalis
