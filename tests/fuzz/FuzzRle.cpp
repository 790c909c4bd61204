// Any bytes as an RLE file: read, placed as by the load command, written
// again; what the program writes must always read back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <variant>

#include "engine/SettingsRecord.h"
#include "files/community/ExportedPattern.h"
#include "files/community/PatternPlacement.h"
#include "files/community/RleReader.h"
#include "files/community/RleWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvalis;
  static CellGrid grid;
  SettingsRecord settings;
  const PatternReading reading =
      readRle(std::string_view(reinterpret_cast<const char*>(data), size));
  if (const auto* pattern = std::get_if<ReadPattern>(&reading)) {
    placePattern(*pattern, "fuzz.rle", settings, grid);
    const std::string written = rleText(exportedPattern("fuzz.rle", settings), grid);
    if (!std::holds_alternative<ReadPattern>(readRle(written))) {
      std::abort();
    }
  }
  return 0;
}
