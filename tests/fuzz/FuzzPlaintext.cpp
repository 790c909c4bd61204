// Any bytes as an plaintext file: loaded, saved and loaded again.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "tests/fuzz/RoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orvalis::fuzz::checkRoundTrip(std::string_view(reinterpret_cast<const char*>(data), size),
                                orvalis::FormatId::Plaintext);
  return 0;
}
