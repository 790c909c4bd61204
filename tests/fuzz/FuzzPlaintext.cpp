// Any bytes as a plaintext (.cells) file: read, placed as by the load
// command, written again; what the program writes must always read back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <variant>

#include "engine/SettingsRecord.h"
#include "files/community/ExportedPattern.h"
#include "files/community/PatternPlacement.h"
#include "files/community/PlaintextReader.h"
#include "files/community/PlaintextWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvalis;
  static CellGrid grid;
  SettingsRecord settings;
  const PatternReading reading =
      readPlaintext(std::string_view(reinterpret_cast<const char*>(data), size));
  if (const auto* pattern = std::get_if<ReadPattern>(&reading)) {
    placePattern(*pattern, "fuzz.cells", settings, grid);
    const std::string written = plaintextText(exportedPattern("fuzz.cells", settings), grid);
    if (!std::holds_alternative<ReadPattern>(readPlaintext(written))) {
      std::abort();
    }
  }
  return 0;
}
