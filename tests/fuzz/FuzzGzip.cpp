// Any bytes as a gzip file: inflated within the limit, and what the start
// of a file inflates to is the start of what the whole inflates to.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/io/Gzip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvalis;
  constexpr std::size_t limit = 1 << 20;
  constexpr std::size_t startBytes = 64;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto whole = gunzip(bytes, limit);
  const std::string start = gunzipStart(bytes, startBytes);
  if (whole && (whole->size() > limit || !whole->starts_with(start))) {
    std::abort();
  }
  return 0;
}
