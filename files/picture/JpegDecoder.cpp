#include "files/picture/JpegDecoder.h"

#include <csetjmp>
#include <cstdio>

#include <jerror.h>
#include <jpeglib.h>

namespace orvalis {
namespace {

// libjpeg's own error handler ends the process; this one jumps back to the
// decoder, which gives up. Messages are never printed.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf escape;
};

[[noreturn]] void failDecoding(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

void ignoreOutput(j_common_ptr) {}

// Warnings about stray bytes are common in camera files and harmless; data
// ending early is not, as the rest of the picture would be made up.
void onMessage(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) {
    failDecoding(info);
  }
}

void limitScans(j_common_ptr info) {
  if (info->is_decompressor &&
      reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > maxJpegScans) {
    failDecoding(info);
  }
}

// Even the largest picture allowed needs less; this only bounds what a
// hostile file can make libjpeg allocate.
constexpr long decoderMemoryBytes = 1024L * 1024 * 1024;

// Runs the decoder on an initialised `info`; a separate function so that the
// jump target holds no C++ objects that a jump would skip.
bool decodeInto(jpeg_decompress_struct& info, ErrorManager& errors, jpeg_progress_mgr& progress,
                std::string_view content, std::unique_ptr<RgbPicture>& picture) {
  if (setjmp(errors.escape) != 0) {
    return false;
  }
  jpeg_create_decompress(&info);
  info.mem->max_memory_to_use = decoderMemoryBytes;
  info.progress = &progress;
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(content.data()),
               static_cast<unsigned long>(content.size()));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
    return false;
  }
  // Refused before anything of the picture is allocated.
  picture = RgbPicture::create(info.image_width, info.image_height);
  if (!picture) {
    return false;
  }
  info.out_color_space = JCS_RGB;
  info.scale_num = 1;
  info.scale_denom = 1;
  jpeg_start_decompress(&info);
  if (info.output_components != 3 || static_cast<int>(info.output_width) != picture->width() ||
      static_cast<int>(info.output_height) != picture->height()) {
    return false;
  }
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = picture->row(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  return true;
}

}  // namespace

bool looksLikeJpeg(std::string_view content) {
  return content.size() >= 2 && static_cast<unsigned char>(content[0]) == 0xFF &&
         static_cast<unsigned char>(content[1]) == 0xD8;
}

std::unique_ptr<RgbPicture> decodeJpeg(std::string_view content) {
  if (!looksLikeJpeg(content)) {
    return nullptr;
  }
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = &failDecoding;
  errors.base.output_message = &ignoreOutput;
  errors.base.emit_message = &onMessage;
  jpeg_progress_mgr progress{};
  progress.progress_monitor = &limitScans;
  std::unique_ptr<RgbPicture> picture;
  const bool decoded = decodeInto(info, errors, progress, content, picture);
  jpeg_destroy_decompress(&info);
  return decoded ? std::move(picture) : nullptr;
}

}  // namespace orvalis
