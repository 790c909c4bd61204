#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orvalis {

// Whether the bytes begin as a gzip file does.
bool isGzip(std::string_view bytes);

// The content of a whole gzip file (several members follow each other as
// gunzip joins them), or nothing when it is broken, cut short or would grow
// beyond `maxBytes`: a small file must not fill the memory.
std::optional<std::string> gunzip(std::string_view bytes, std::size_t maxBytes);

// What the start of a gzip file inflates to, at most `maxBytes`; as much as
// the given bytes hold, so a file's first bytes say what it holds.
std::string gunzipStart(std::string_view bytes, std::size_t maxBytes);

}  // namespace orvalis
