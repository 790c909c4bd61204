#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace orvalis {

// Pattern files are small; anything larger than this is no pattern file.
inline constexpr std::size_t maxPatternFileBytes = 64u * 1024 * 1024;

// The whole content of the regular file at `path`, or nothing when it cannot
// be opened, is no regular file (a folder, a FIFO, a device) or holds more
// than `maxBytes`. Opening never blocks, so a FIFO cannot hang the program.
std::optional<std::string> readRegularFile(const std::string& path, std::size_t maxBytes);

// The first `bytes` bytes of the regular file at `path` (all of it when it
// is shorter), or nothing when it cannot be opened or read or is no regular
// file.
std::optional<std::string> readRegularFileStart(const std::string& path, std::size_t bytes);

}  // namespace orvalis
