#pragma once

#include <string>
#include <string_view>

namespace orvalis {

// Makes `bytes` the content of the file at `path` without ever leaving a
// half-written file: the bytes go to a new file in the same folder, every
// write and the flush to disk are checked, and only then is the new file
// renamed over the target. On failure nothing at `path` has changed and
// false is returned. A write-protected file is not replaced; an existing
// file keeps its permissions; a symbolic link keeps pointing to the file,
// which is replaced. Where the folder allows no new file, a writable file
// is overwritten in place instead; a write that fails there half-way is
// still reported, though the file is then damaged.
bool saveFileReplacing(const std::string& path, std::string_view bytes);

}  // namespace orvalis
