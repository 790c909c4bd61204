#pragma once

#include <string>
#include <string_view>

#include "engine/CellGrid.h"
#include "settings/GadgetAccess.h"

namespace orvalis {

// The Life file of the current settings and the visible field: five
// little-endian 32-bit integers (interval, columns, rows, grid, infinite),
// one state byte per visible cell row by row, then the comment and CR LF
// unless the comment is empty.
std::string lifeFileBytes(GadgetAccess& gadgets, const CellGrid& grid);

// Saves that file at `path`, replacing an existing file only once the new
// one is completely written. On success the file-name field shows the file's
// name.
bool writeLifeFile(const std::string& path, GadgetAccess& gadgets, const CellGrid& grid);

// Hands the content of a Life file to the gadgets and cells. Bytes missing
// at the end read as 0. Cells the file places outside the 500 x 500 grid are
// skipped; the comment's lines are joined into one; author and date are
// cleared.
void applyLifeFile(std::string_view bytes, const std::string& path, GadgetAccess& gadgets,
                   CellGrid& grid);

// Reads the Life file at `path` and applies it; false, with nothing changed,
// when it cannot be read (missing, no regular file, larger than 64 MB).
bool readLifeFile(const std::string& path, GadgetAccess& gadgets, CellGrid& grid);

}  // namespace orvalis
