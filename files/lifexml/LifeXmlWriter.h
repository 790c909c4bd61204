#pragma once

#include <string>

#include "engine/CellGrid.h"
#include "settings/GadgetAccess.h"

namespace orvalis {

// The LifeXML file of the current settings and the visible field, byte for
// byte: UTF-8, CR LF line breaks, two spaces of indentation per level.
std::string lifeXmlText(GadgetAccess& gadgets, const CellGrid& grid);

// Saves that file at `path`, replacing an existing file only once the new
// one is completely written (a failed save leaves it untouched). On success
// the file-name field shows the file's name.
bool writeLifeXml(const std::string& path, GadgetAccess& gadgets, const CellGrid& grid);

}  // namespace orvalis
