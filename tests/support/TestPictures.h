#pragma once

#include <functional>
#include <string>
#include <vector>

#include "files/picture/RgbPicture.h"

namespace orvalis::test {

// A picture as the tests describe it, before it is encoded.
struct TestImage {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;  // row by row from the top

  Rgb at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

TestImage solidImage(int width, int height, Rgb colour);
TestImage paintedImage(int width, int height, const std::function<Rgb(int x, int y)>& colourAt);

// Encoders made with the same libraries the program reads with, so that the
// tests never depend on sample files. Sequential writes one scan per
// component instead of one for all; Arithmetic codes with arithmetic
// instead of Huffman coding. The CMYK kinds carry the darkness of
// each pixel in K; Adobe's store the inks inverted and mark the file so,
// the plain one stores them as they are without that mark.
enum class JpegKind {
  Colour,
  Grey,
  Progressive,
  Sequential,
  Arithmetic,
  AdobeCmyk,
  AdobeYcck,
  PlainCmyk
};
std::string jpegBytes(const TestImage& image, JpegKind kind = JpegKind::Colour);

// A progressive greyscale JPEG of `scans` scans (at least 2, at most 128):
// the DC scan, then AC scans split into bands and refinement passes.
std::string jpegWithScans(const TestImage& image, int scans);

enum class PngKind { Rgb, Palette, Grey, Grey16, Rgb16, RgbAlpha, Interlaced };
std::string pngBytes(const TestImage& image, PngKind kind = PngKind::Rgb);

// A 24-bit Windows bitmap, bottom-up as usual or top-down.
std::string bmpBytes(const TestImage& image, bool topDown = false);

}  // namespace orvalis::test
