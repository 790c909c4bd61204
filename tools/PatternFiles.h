#pragma once

#include <optional>
#include <string>

#include "engine/CellGrid.h"
#include "settings/GadgetAccess.h"

namespace orvalis::cli {

// Reads the file in the format its name or else its content shows, as the
// desktop program opens a file given by name; a read pattern file marks the
// field as edited. The message for the user when it fails.
std::optional<std::string> loadPattern(const std::string& path, GadgetAccess& gadgets,
                                       LifeField& field);

// Whether a pattern format with a writer has the path's extension.
bool namesPatternFile(const std::string& path);

// Saves the field in the format the path's extension selects, else as Life
// file. The message for the user when it fails.
std::optional<std::string> savePattern(const std::string& path, GadgetAccess& gadgets,
                                       const CellGrid& grid);

}  // namespace orvalis::cli
