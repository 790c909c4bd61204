// Any bytes as a Life file: applied as by the load command and written again.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/lifefile/LifeFile.h"
#include "settings/SettingsRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvalis;
  static CellGrid grid;
  SettingsRecord settings;
  applyLifeFile(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.lif", settings,
                grid);
  lifeFileBytes(settings, grid);
  return 0;
}
