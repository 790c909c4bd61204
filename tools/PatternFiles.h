#pragma once

#include <optional>
#include <string>

#include "engine/CellGrid.h"
#include "engine/Gadgets.h"

namespace orvalis::cli {

enum class PatternFormat { LifeFile, LifeXml, Rle, Plaintext, Picture };

// By the path's extension, in any case: .lif, .lxm, .rle and .cells are
// patterns, any other file is taken for a picture.
PatternFormat patternFormat(const std::string& path);

// Reads a pattern file or imports a picture as the load command does; a
// read pattern file marks the field as edited. The message for the user when
// it fails.
std::optional<std::string> loadPattern(const std::string& path, GadgetAccess& gadgets,
                                       LifeField& field);

// Saves the field as LifeXML, RLE or plaintext when the path ends in .lxm,
// .rle or .cells, else as Life file.
// The message for the user when it fails.
std::optional<std::string> savePattern(const std::string& path, GadgetAccess& gadgets,
                                       const CellGrid& grid);

}  // namespace orvalis::cli
