#include "files/picture/PictureImport.h"

#include <utility>

#include "files/picture/PictureLoader.h"
#include "files/picture/Resample.h"

namespace orvalis {

PatternCells pictureCells(const RgbPicture& fitted, FieldSize size, int threshold, bool invert) {
  PatternCells cells{size.columns, size.rows, {}, false};
  cells.states.reserve(static_cast<std::size_t>(size.columns) * size.rows);
  for (int y = 0; y < size.rows; ++y) {
    for (int x = 0; x < size.columns; ++x) {
      const Rgb pixel = fitted.pixel(x, y);
      const int brightness = (pixel.red + pixel.green + pixel.blue) / 3;
      const bool alive = (brightness > threshold) != invert;
      cells.states.push_back(alive ? CellState::Alive : CellState::Dead);
    }
  }
  return cells;
}

DocumentReading pictureDocument(std::string_view bytes, const ReadingContext& context) {
  const FieldSize size = context.shown.clamped();
  auto picture = decodePicture(bytes);
  if (!picture) {
    return {};
  }
  const auto fitted = fittedPicture(std::move(picture), size);
  if (!fitted) {
    return {};  // no memory left for the fitted copy
  }
  PatternDocument document;
  document.cells = pictureCells(*fitted, size, context.threshold, context.invert);
  document.effect = LoadEffect::RestartCount;
  return {std::move(document), std::nullopt};
}

}  // namespace orvalis
