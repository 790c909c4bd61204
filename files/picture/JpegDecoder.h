#pragma once

#include <memory>
#include <string_view>

#include "files/picture/RgbPicture.h"

namespace orvalis {

// Progressive files with more scans than this are refused: each scan makes
// the decoder pass over the whole picture again.
inline constexpr int maxJpegScans = 100;

// True when the content starts like a JPEG file (FF D8).
bool looksLikeJpeg(std::string_view content);

// The decoded JPEG picture (greyscale, CMYK and YCCK turned into RGB), or
// nothing when the content is no JPEG, is corrupt or cut off inside its
// image data, is too large, or needs too many scans. A file that lacks only
// its end marker is decoded.
std::unique_ptr<RgbPicture> decodeJpeg(std::string_view content);

}  // namespace orvalis
