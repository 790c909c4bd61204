// Any bytes as a LifeXML file: read, applied as by the load command, and
// written again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "files/lifexml/LifeXmlApply.h"
#include "files/lifexml/LifeXmlReader.h"
#include "files/lifexml/LifeXmlWriter.h"
#include "settings/SettingsRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvalis;
  static CellGrid grid;
  SettingsRecord settings;
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  const auto document = parseLifeXml(content);
  // The cell lines of a file that starts as the writer starts it are read
  // without the parser's events; the same file with the version in single
  // quotes goes all through the parser and must give the same tree.
  constexpr std::string_view writtenStart = "<?xml version=\"1.0\"";
  if (content.substr(0, writtenStart.size()) == writtenStart) {
    std::string plain(content);
    plain.replace(0, writtenStart.size(), "<?xml version='1.0'");
    if (parseLifeXml(plain) != document) {
      std::abort();
    }
  }
  if (document) {
    applyLifeXml(*document, ApplyMode::Full, "fuzz.lxm", settings, grid);
    applyLifeXml(*document, ApplyMode::SettingsOnly, "", settings, grid);
    lifeXmlText(settings, grid);
  }
  return 0;
}
