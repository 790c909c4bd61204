// Any bytes as a macrocell file: read and placed as by the load command.
#include "files/macrocell/MacrocellReader.h"
#include "tests/fuzz/ReadAndPlace.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orvalis::fuzz::readAndPlace(data, size, orvalis::readMacrocell);
  return 0;
}
