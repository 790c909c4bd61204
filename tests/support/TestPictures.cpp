#include "tests/support/TestPictures.h"

#include <jpeglib.h>
#include <png.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <stdexcept>

namespace orvalis::test {
namespace {

int grey(Rgb colour) {
  return (colour.red + colour.green + colour.blue) / 3;
}

void appendLittleEndian(std::string& bytes, std::uint32_t value, int size) {
  for (int k = 0; k < size; ++k) {
    bytes += static_cast<char>((value >> (8 * k)) & 0xFF);
  }
}

struct JpegTarget {
  unsigned char* data = nullptr;
  unsigned long size = 0;
  ~JpegTarget() { std::free(data); }
};

// The four inks of a colour as Adobe stores them, inverted: 255 is no ink.
// K takes the colour's darkness, C, M and Y what is left of each channel.
std::array<int, 4> invertedInks(Rgb colour) {
  const int white = std::max({colour.red, colour.green, colour.blue});
  const auto share = [white](int channel) { return white == 0 ? 0 : channel * 255 / white; };
  return {share(colour.red), share(colour.green), share(colour.blue), white};
}

std::vector<int> jpegSamples(Rgb colour, JpegKind kind) {
  switch (kind) {
    case JpegKind::Grey:
      return {grey(colour)};
    case JpegKind::AdobeCmyk:
    case JpegKind::AdobeYcck: {
      const auto inks = invertedInks(colour);
      return {inks.begin(), inks.end()};
    }
    case JpegKind::PlainCmyk: {
      std::vector<int> inks;
      for (const int ink : invertedInks(colour)) {
        inks.push_back(255 - ink);
      }
      return inks;
    }
    default:
      return {colour.red, colour.green, colour.blue};
  }
}

std::string compressJpeg(const TestImage& image, JpegKind kind,
                         const std::function<void(jpeg_compress_struct&)>& configure) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  JpegTarget target;
  jpeg_mem_dest(&info, &target.data, &target.size);
  info.image_width = static_cast<JDIMENSION>(image.width);
  info.image_height = static_cast<JDIMENSION>(image.height);
  const bool cmyk =
      kind == JpegKind::AdobeCmyk || kind == JpegKind::AdobeYcck || kind == JpegKind::PlainCmyk;
  info.input_components = kind == JpegKind::Grey ? 1 : cmyk ? 4 : 3;
  info.in_color_space = kind == JpegKind::Grey ? JCS_GRAYSCALE : cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 100, TRUE);
  configure(info);
  jpeg_start_compress(&info, TRUE);
  std::vector<unsigned char> row;
  for (int y = 0; y < image.height; ++y) {
    row.clear();
    for (int x = 0; x < image.width; ++x) {
      for (const int sample : jpegSamples(image.at(x, y), kind)) {
        row.push_back(static_cast<unsigned char>(sample));
      }
    }
    JSAMPROW rowPointer = row.data();
    jpeg_write_scanlines(&info, &rowPointer, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return std::string(reinterpret_cast<const char*>(target.data), target.size);
}

void appendToString(png_structp png, png_bytep data, png_size_t length) {
  static_cast<std::string*>(png_get_io_ptr(png))
      ->append(reinterpret_cast<const char*>(data), length);
}

void noFlush(png_structp) {}

}  // namespace

TestImage solidImage(int width, int height, Rgb colour) {
  return paintedImage(width, height, [colour](int, int) { return colour; });
}

TestImage paintedImage(int width, int height, const std::function<Rgb(int x, int y)>& colourAt) {
  TestImage image{width, height, {}};
  image.pixels.reserve(static_cast<std::size_t>(width * height));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.pixels.push_back(colourAt(x, y));
    }
  }
  return image;
}

std::string jpegBytes(const TestImage& image, JpegKind kind) {
  std::vector<jpeg_scan_info> scanPerComponent;
  for (int component = 0; component < 3; ++component) {
    scanPerComponent.push_back({1, {component}, 0, 63, 0, 0});
  }
  return compressJpeg(image, kind, [&](jpeg_compress_struct& info) {
    switch (kind) {
      case JpegKind::Progressive:
        jpeg_simple_progression(&info);
        break;
      case JpegKind::Sequential:
        info.scan_info = scanPerComponent.data();
        info.num_scans = static_cast<int>(scanPerComponent.size());
        break;
      case JpegKind::Arithmetic:
        info.arith_code = TRUE;
        break;
      case JpegKind::AdobeYcck:
        jpeg_set_colorspace(&info, JCS_YCCK);
        break;
      case JpegKind::PlainCmyk:
        info.write_Adobe_marker = FALSE;
        break;
      default:
        break;
    }
  });
}

std::string jpegWithScans(const TestImage& image, int scans) {
  // Successive approximation of the DC, then AC bands of one coefficient
  // in two passes each, cut to the wanted count.
  std::vector<jpeg_scan_info> script;
  script.push_back({1, {0}, 0, 0, 0, 1});
  const auto room = [&] { return static_cast<int>(script.size()) < scans - 1; };
  int bands = 0;
  for (; bands < 63 && room(); ++bands) {
    script.push_back({1, {0}, bands + 1, bands + 1, 0, 1});
  }
  for (int k = 1; k <= bands && room(); ++k) {
    script.push_back({1, {0}, k, k, 1, 0});
  }
  script.push_back({1, {0}, 0, 0, 1, 0});
  if (static_cast<int>(script.size()) != scans) {
    throw std::invalid_argument("scan count out of reach");
  }
  return compressJpeg(image, JpegKind::Grey, [&script](jpeg_compress_struct& info) {
    info.scan_info = script.data();
    info.num_scans = static_cast<int>(script.size());
  });
}

std::string pngBytes(const TestImage& image, PngKind kind) {
  std::string bytes;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(png, &bytes, &appendToString, &noFlush);

  int colourType = PNG_COLOR_TYPE_RGB;
  int depth = 8;
  int channels = 3;
  std::vector<png_color> palette;
  std::map<std::uint32_t, int> paletteIndex;
  switch (kind) {
    case PngKind::Palette:
      colourType = PNG_COLOR_TYPE_PALETTE;
      channels = 1;
      for (const Rgb colour : image.pixels) {
        const std::uint32_t key = (colour.red << 16) | (colour.green << 8) | colour.blue;
        if (paletteIndex.emplace(key, static_cast<int>(palette.size())).second) {
          palette.push_back({colour.red, colour.green, colour.blue});
        }
      }
      png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
      break;
    case PngKind::Grey:
      colourType = PNG_COLOR_TYPE_GRAY;
      channels = 1;
      break;
    case PngKind::Grey16:
      colourType = PNG_COLOR_TYPE_GRAY;
      depth = 16;
      channels = 1;
      break;
    case PngKind::Rgb16:
      depth = 16;
      break;
    case PngKind::RgbAlpha:
      colourType = PNG_COLOR_TYPE_RGB_ALPHA;
      channels = 4;
      break;
    case PngKind::Rgb:
    case PngKind::Interlaced:
      break;
  }
  png_set_IHDR(png, info, static_cast<png_uint_32>(image.width),
               static_cast<png_uint_32>(image.height), depth, colourType,
               kind == PngKind::Interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  const int sampleBytes = depth / 8;
  std::vector<std::vector<png_byte>> rows(static_cast<std::size_t>(image.height));
  for (int y = 0; y < image.height; ++y) {
    std::vector<png_byte>& row = rows[static_cast<std::size_t>(y)];
    for (int x = 0; x < image.width; ++x) {
      const Rgb colour = image.at(x, y);
      std::vector<int> samples;
      if (kind == PngKind::Palette) {
        samples = {paletteIndex[(colour.red << 16) | (colour.green << 8) | colour.blue]};
      } else if (channels == 1) {
        samples = {grey(colour)};
      } else {
        samples = {colour.red, colour.green, colour.blue};
        if (channels == 4) {
          samples.push_back(x % 2 == 0 ? 0 : 255);  // half the pixels fully transparent
        }
      }
      for (const int sample : samples) {
        // A 16-bit sample repeats its byte, which reduces to it again.
        for (int k = 0; k < sampleBytes; ++k) {
          row.push_back(static_cast<png_byte>(sample));
        }
      }
    }
  }
  std::vector<png_bytep> rowPointers;
  for (auto& row : rows) {
    rowPointers.push_back(row.data());
  }
  png_write_image(png, rowPointers.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return bytes;
}

std::string bmpBytes(const TestImage& image, bool topDown) {
  const int rowBytes = (3 * image.width + 3) / 4 * 4;
  const auto pixelBytes = static_cast<std::uint32_t>(rowBytes * image.height);
  std::string bytes = "BM";
  appendLittleEndian(bytes, 54 + pixelBytes, 4);
  appendLittleEndian(bytes, 0, 4);
  appendLittleEndian(bytes, 54, 4);
  appendLittleEndian(bytes, 40, 4);
  appendLittleEndian(bytes, static_cast<std::uint32_t>(image.width), 4);
  appendLittleEndian(bytes, static_cast<std::uint32_t>(topDown ? -image.height : image.height), 4);
  appendLittleEndian(bytes, 1, 2);
  appendLittleEndian(bytes, 24, 2);
  appendLittleEndian(bytes, 0, 4);  // no compression
  appendLittleEndian(bytes, pixelBytes, 4);
  appendLittleEndian(bytes, 2835, 4);
  appendLittleEndian(bytes, 2835, 4);
  appendLittleEndian(bytes, 0, 4);
  appendLittleEndian(bytes, 0, 4);
  for (int row = 0; row < image.height; ++row) {
    const int y = topDown ? row : image.height - 1 - row;
    for (int x = 0; x < image.width; ++x) {
      const Rgb colour = image.at(x, y);
      bytes += static_cast<char>(colour.blue);
      bytes += static_cast<char>(colour.green);
      bytes += static_cast<char>(colour.red);
    }
    bytes.append(static_cast<std::size_t>(rowBytes - 3 * image.width), '\0');
  }
  return bytes;
}

}  // namespace orvalis::test
