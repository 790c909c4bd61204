#include "files/picture/JpegDecoder.h"

#include <csetjmp>
#include <cstdint>
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
  bool dataEnded;  // the file ended before its end marker
};

[[noreturn]] void failDecoding(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

void ignoreOutput(j_common_ptr) {}

bool isArithmeticCoded(j_common_ptr info) {
  return info->is_decompressor && reinterpret_cast<j_decompress_ptr>(info)->arith_code;
}

// Warnings about stray bytes are common in camera files and harmless. A
// file may end without its end marker (cameras and some programs write
// such files); but any warning after the end means that the decoder needed
// data that was cut off, and would make up the rest of the picture. The
// arithmetic decoder makes it up without a warning, so such a file must be
// whole.
void onMessage(j_common_ptr info, int level) {
  if (level >= 0) {
    return;
  }
  ErrorManager& errors = *reinterpret_cast<ErrorManager*>(info->err);
  const bool endOfData = info->err->msg_code == JWRN_JPEG_EOF;
  if (endOfData && !isArithmeticCoded(info)) {
    errors.dataEnded = true;  // perhaps only the end marker is missing
  } else if (endOfData || errors.dataEnded) {
    failDecoding(info);
  }
}

// After the whole file was read: a file cut off between two scans shows
// no damaged data, but a component that was in no scan, or a progressive
// coefficient that was not refined to full precision.
bool everyScanArrived(const jpeg_decompress_struct& info) {
  for (int c = 0; c < info.num_components; ++c) {
    if (info.comp_info[c].quant_table == nullptr) {
      return false;
    }
    for (int k = 0; info.progressive_mode && k < DCTSIZE2; ++k) {
      if (info.coef_bits[c][k] != 0) {
        return false;
      }
    }
  }
  return true;
}

bool isCmyk(J_COLOR_SPACE space) {
  return space == JCS_CMYK || space == JCS_YCCK;
}

// Adobe's files store every ink inverted (255 is no ink), others the ink
// itself; libjpeg has turned YCCK into CMYK already.
void cmykToRgb(const JSAMPLE* cmyk, std::uint8_t* rgb, int width, bool inverted) {
  for (int x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
    const auto lightness = [&](int ink) { return inverted ? ink : 255 - ink; };
    const int white = lightness(cmyk[3]);
    for (int k = 0; k < 3; ++k) {
      rgb[k] = static_cast<std::uint8_t>((lightness(cmyk[k]) * white + 127) / 255);
    }
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
  // libjpeg gives CMYK only as it is; it is turned into RGB row by row.
  const bool cmyk = isCmyk(info.jpeg_color_space);
  info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  info.scale_num = 1;
  info.scale_denom = 1;
  jpeg_start_decompress(&info);
  if (info.output_components != (cmyk ? 4 : 3) ||
      static_cast<int>(info.output_width) != picture->width() ||
      static_cast<int>(info.output_height) != picture->height()) {
    return false;
  }
  JSAMPARRAY cmykRow = cmyk ? (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info),
                                                        JPOOL_IMAGE, info.output_width * 4, 1)
                            : nullptr;
  while (info.output_scanline < info.output_height) {
    const int y = static_cast<int>(info.output_scanline);
    JSAMPROW row = cmyk ? cmykRow[0] : picture->row(y);
    jpeg_read_scanlines(&info, &row, 1);
    if (cmyk) {
      cmykToRgb(row, picture->row(y), picture->width(), info.saw_Adobe_marker != 0);
    }
  }
  if (errors.dataEnded && !everyScanArrived(info)) {
    return false;
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
