#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace orvalis {

// The content of the pattern file at `path`, inflated when gzip compressed
// it; nothing when it cannot be read, is broken or holds (or inflates to)
// more than a pattern file may.
std::optional<std::string> readPatternFileBytes(const std::string& path);

// The first `bytes` bytes of that content, for recognising what the file
// holds; nothing when the file cannot be read.
std::optional<std::string> readPatternFileStart(const std::string& path, std::size_t bytes);

}  // namespace orvalis
