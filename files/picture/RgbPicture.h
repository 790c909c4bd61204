#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace orvalis {

// Decoding stops before allocating a picture larger than this.
inline constexpr long long maxPicturePixels = 100'000'000;

struct Rgb {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
};

// A decoded picture in true colour: rows from the top, 3 bytes (red, green,
// blue) per pixel, no padding.
class RgbPicture {
 public:
  // Nothing unless width and height are positive and together within
  // maxPicturePixels. The pixels are left for the decoder to fill.
  static std::unique_ptr<RgbPicture> create(long long width, long long height);

  int width() const { return width_; }
  int height() const { return height_; }

  std::uint8_t* row(int y) { return &pixels_[rowOffset(y)]; }
  const std::uint8_t* row(int y) const { return &pixels_[rowOffset(y)]; }

  Rgb pixel(int x, int y) const {
    const std::uint8_t* p = row(y) + 3 * static_cast<std::size_t>(x);
    return {p[0], p[1], p[2]};
  }

 private:
  RgbPicture(int width, int height);
  std::size_t rowOffset(int y) const {
    return static_cast<std::size_t>(y) * 3 * static_cast<std::size_t>(width_);
  }

  int width_;
  int height_;
  std::unique_ptr<std::uint8_t[]> pixels_;
};

}  // namespace orvalis
