// Any bytes as a picture file: imported onto a field whose size the bytes
// choose, and placed.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/DocumentApply.h"
#include "files/picture/PictureImport.h"
#include "settings/SettingsRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvalis;
  static CellGrid grid;
  if (size == 0) {
    return 0;
  }
  const ReadingContext context{
      {1 + data[size - 1] % 64, 1 + data[size / 2] % 64}, data[0], size % 2 == 0};
  const DocumentReading reading =
      pictureDocument(std::string_view(reinterpret_cast<const char*>(data), size), context);
  if (reading.document) {
    SettingsRecord settings;
    placeDocument(*reading.document, settings, grid);
  }
  return 0;
}
