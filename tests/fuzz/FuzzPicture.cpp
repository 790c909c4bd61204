// Any bytes as a picture file: decoded, fitted to a field whose size the
// first bytes choose, and turned into cells.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>

#include "files/picture/PictureImport.h"
#include "files/picture/PictureLoader.h"
#include "files/picture/Resample.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvalis;
  static CellGrid grid;
  auto picture = decodePicture(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!picture) {
    return 0;
  }
  const FieldSize field{1 + data[size - 1] % 64, 1 + data[size / 2] % 64};
  const auto fitted = fittedPicture(std::move(picture), field);
  if (fitted) {
    writePictureCells(*fitted, field, data[0], size % 2 == 0, grid);
  }
  return 0;
}
