// Any bytes as a LifeXML file: read, applied as by the load command, and
// written again.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/SettingsRecord.h"
#include "files/LifeXmlApply.h"
#include "files/LifeXmlReader.h"
#include "files/LifeXmlWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvalis;
  static CellGrid grid;
  SettingsRecord settings;
  const auto document = parseLifeXml(std::string_view(reinterpret_cast<const char*>(data), size));
  if (document) {
    applyLifeXml(*document, ApplyMode::Full, "fuzz.lxm", settings, grid);
    applyLifeXml(*document, ApplyMode::SettingsOnly, "", settings, grid);
    lifeXmlText(settings, grid);
  }
  return 0;
}
