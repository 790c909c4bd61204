#include "files/picture/PngDecoder.h"

#include <png.h>

#include <csetjmp>
#include <cstring>

namespace orvalis {
namespace {

// libpng reads the file from memory through this cursor; reading past the
// end is an error like any corrupt data.
struct MemoryInput {
  std::string_view content;
  std::size_t offset = 0;
};

void readFromMemory(png_structp png, png_bytep target, png_size_t length) {
  auto& input = *static_cast<MemoryInput*>(png_get_io_ptr(png));
  if (length > input.content.size() - input.offset) {
    png_error(png, "truncated");
  }
  std::memcpy(target, input.content.data() + input.offset, length);
  input.offset += length;
}

// libpng prints errors and warnings by default; this program stays silent
// and gives up on errors. png_longjmp returns to the decoder's setjmp.
[[noreturn]] void failDecoding(png_structp png, png_const_charp) {
  png_longjmp(png, 1);
}

void ignoreWarning(png_structp, png_const_charp) {}

// Rows and columns beyond this are refused while the header is read, before
// anything is allocated for them; the pixel cap follows.
constexpr png_uint_32 maxPngSide = 1'000'000;
constexpr png_alloc_size_t maxPngChunkBytes = 8 * 1024 * 1024;

void askForRgb(png_structp png, png_infop info) {
  png_set_expand(png);  // palette to RGB, small grey depths to 8 bits
  png_set_strip_16(png);
  png_set_strip_alpha(png);
  const png_byte colorType = png_get_color_type(png, info);
  if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA) {
    png_set_gray_to_rgb(png);
  }
}

// Separate from decodePng so that the jump target holds no C++ objects that
// a jump would skip.
bool decodeInto(png_structp png, png_infop info, MemoryInput& input,
                std::unique_ptr<RgbPicture>& picture) {
  if (setjmp(png_jmpbuf(png)) != 0) {
    return false;
  }
  png_set_user_limits(png, maxPngSide, maxPngSide);
  png_set_chunk_malloc_max(png, maxPngChunkBytes);
  png_set_read_fn(png, &input, &readFromMemory);
  png_read_info(png, info);
  picture = RgbPicture::create(png_get_image_width(png, info), png_get_image_height(png, info));
  if (!picture) {
    return false;
  }
  askForRgb(png, info);
  const int passes = png_set_interlace_handling(png);
  png_read_update_info(png, info);
  if (png_get_rowbytes(png, info) != 3 * static_cast<png_size_t>(picture->width())) {
    return false;
  }
  for (int pass = 0; pass < passes; ++pass) {
    for (int y = 0; y < picture->height(); ++y) {
      png_read_row(png, picture->row(y), nullptr);
    }
  }
  png_read_end(png, nullptr);
  return true;
}

}  // namespace

bool looksLikePng(std::string_view content) {
  return content.size() >= 8 &&
         png_sig_cmp(reinterpret_cast<png_const_bytep>(content.data()), 0, 8) == 0;
}

std::unique_ptr<RgbPicture> decodePng(std::string_view content) {
  if (!looksLikePng(content)) {
    return nullptr;
  }
  png_structp png =
      png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, &failDecoding, &ignoreWarning);
  if (png == nullptr) {
    return nullptr;
  }
  png_infop info = png_create_info_struct(png);
  MemoryInput input{content};
  std::unique_ptr<RgbPicture> picture;
  const bool decoded = info != nullptr && decodeInto(png, info, input, picture);
  png_destroy_read_struct(&png, info != nullptr ? &info : nullptr, nullptr);
  return decoded ? std::move(picture) : nullptr;
}

}  // namespace orvalis
