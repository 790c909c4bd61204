// Any bytes as a LifeXML file: parsed two ways, loaded, saved and loaded
// again, and read as the settings file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "files/lifexml/LifeXmlDocument.h"
#include "files/lifexml/LifeXmlReader.h"
#include "tests/fuzz/RoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvalis;
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
  fuzz::checkRoundTrip(content, FormatId::LifeXml, true);
  if (document) {
    lifeXmlDocument(*document, ReadMode::SettingsOnly);
  }
  return 0;
}
