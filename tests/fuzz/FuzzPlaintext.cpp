// Any bytes as a plaintext (.cells) file: read, placed as by the load
// command, written again; what the program writes must read back as the
// same field with the same details.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/community/PlaintextReader.h"
#include "files/community/PlaintextWriter.h"
#include "tests/fuzz/RoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orvalis::fuzz::checkRoundTrip(std::string_view(reinterpret_cast<const char*>(data), size),
                                "fuzz.cells", orvalis::readPlaintext, orvalis::plaintextText);
  return 0;
}
