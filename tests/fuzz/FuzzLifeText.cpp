// Any bytes as Life 1.05 or 1.06 text: read and placed as by the load
// command.
#include "files/lifetext/LifeTextReader.h"
#include "tests/fuzz/ReadAndPlace.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orvalis::fuzz::readAndPlace(data, size, orvalis::readLifeText);
  return 0;
}
