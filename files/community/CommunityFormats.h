#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/CellGrid.h"
#include "files/community/ReadPattern.h"
#include "settings/GadgetAccess.h"
#include "settings/UserMessage.h"

namespace orvalis {

// The Life community's pattern formats that the program reads and writes
// besides its own.
enum class CommunityFormat { Rle, Plaintext };

using PatternTextReader = PatternReading (*)(std::string_view text);

// Reads the pattern file at `path`, inflated when gzip compressed it, with
// `reader` and places its pattern on the field (see placePattern). The
// message for the user when the file cannot be read or is refused; nothing
// has changed then.
std::optional<UserMessage> loadPatternFile(const std::string& path, PatternTextReader reader,
                                           GadgetAccess& gadgets, CellGrid& grid);

// Reads the file at `path` in `format` and places its pattern on the field
// (see placePattern). The message for the user when the file cannot be read
// or is refused; nothing has changed then.
std::optional<UserMessage> loadCommunityPattern(const std::string& path, CommunityFormat format,
                                                GadgetAccess& gadgets, CellGrid& grid);

// The file text of the visible field and its details in `format`.
std::string communityPatternText(CommunityFormat format, GadgetAccess& gadgets,
                                 const CellGrid& grid);

// Saves that text at `path`, replacing an existing file only once the new
// one is completely written. On success the file-name field shows the file's
// name.
bool writeCommunityPattern(const std::string& path, CommunityFormat format, GadgetAccess& gadgets,
                           const CellGrid& grid);

}  // namespace orvalis
