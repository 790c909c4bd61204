#include "files/picture/RgbPicture.h"

#include <new>

namespace orvalis {

std::unique_ptr<RgbPicture> RgbPicture::create(long long width, long long height) {
  if (width <= 0 || height <= 0 || width > maxPicturePixels || height > maxPicturePixels ||
      width * height > maxPicturePixels) {
    return nullptr;
  }
  try {
    return std::unique_ptr<RgbPicture>(
        new RgbPicture(static_cast<int>(width), static_cast<int>(height)));
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

RgbPicture::RgbPicture(int width, int height)
    : width_(width),
      height_(height),
      pixels_(std::make_unique_for_overwrite<std::uint8_t[]>(static_cast<std::size_t>(width) * 3 *
                                                             static_cast<std::size_t>(height))) {}

}  // namespace orvalis
