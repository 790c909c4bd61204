// Any bytes as Life 1.05 or 1.06 text: read and placed as by the load
// command; the cells lie within the extent, which fits the field.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <variant>

#include "engine/SettingsRecord.h"
#include "files/community/PatternPlacement.h"
#include "files/lifetext/LifeTextReader.h"
#include "tests/fuzz/PatternBounds.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvalis;
  static CellGrid grid;
  SettingsRecord settings;
  const PatternReading reading =
      readLifeText(std::string_view(reinterpret_cast<const char*>(data), size));
  if (const auto* pattern = std::get_if<ReadPattern>(&reading)) {
    fuzz::requireWithinExtent(*pattern);
    placePattern(*pattern, "fuzz.lif", settings, grid);
  }
  return 0;
}
