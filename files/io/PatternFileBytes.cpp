#include "files/io/PatternFileBytes.h"

#include "files/io/Gzip.h"
#include "files/io/RegularFile.h"

namespace orvalis {

std::optional<std::string> readPatternFileBytes(const std::string& path) {
  auto bytes = readRegularFile(path, maxPatternFileBytes);
  if (!bytes || !isGzip(*bytes)) {
    return bytes;
  }
  return gunzip(*bytes, maxPatternFileBytes);
}

std::optional<std::string> readPatternFileStart(const std::string& path, std::size_t bytes) {
  auto start = readRegularFileStart(path, bytes);
  if (!start || !isGzip(*start)) {
    return start;
  }
  return gunzipStart(*start, bytes);
}

}  // namespace orvalis
