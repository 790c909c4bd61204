#include "files/picture/PictureImport.h"

#include <algorithm>
#include <utility>

#include "files/io/TextEncoding.h"
#include "files/picture/PictureLoader.h"
#include "files/picture/Resample.h"
#include "settings/GadgetAccess.h"

namespace orvalis {

void writePictureCells(const RgbPicture& fitted, FieldSize size, int threshold, bool invert,
                       CellGrid& grid) {
  for (int y = 0; y < size.rows; ++y) {
    for (int x = 0; x < size.columns; ++x) {
      const Rgb pixel = fitted.pixel(x, y);
      const int brightness = (pixel.red + pixel.green + pixel.blue) / 3;
      const bool alive = (brightness > threshold) != invert;
      Cell& cell = grid.at(x, y);
      cell.state = alive ? CellState::Alive : CellState::Dead;
      cell.remembered = cell.state;
      cell.pending = PendingMark::None;
    }
  }
}

bool importPicture(const std::string& path, GadgetAccess& gadgets, CellGrid& grid) {
  const FieldSize size = visibleFieldSize(gadgets);
  const auto threshold =
      static_cast<int>(std::clamp<long long>(gadgets.gadgetValue(GadgetId::ThresholdSpin), 0, 255));
  const bool invert = gadgets.gadgetValue(GadgetId::InvertCheck) != 0;
  auto picture = loadPicture(path);
  if (!picture) {
    return false;
  }
  const auto fitted = fittedPicture(std::move(picture), size);
  if (!fitted) {
    return false;  // no memory left for the fitted copy
  }
  gadgets.setGadgetText(GadgetId::FileNameField, fileNameText(path));
  writePictureCells(*fitted, size, threshold, invert, grid);
  return true;
}

}  // namespace orvalis
