#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "files/picture/RgbPicture.h"

namespace orvalis {

// Larger files are no pictures worth reading: an uncompressed bitmap of
// maxPicturePixels at 32 bits a pixel fits.
inline constexpr std::size_t maxPictureFileBytes = 512u * 1024 * 1024;

// Whether `content` starts as a JPEG, PNG or Windows bitmap does.
bool looksLikePicture(std::string_view content);

// The picture in `content`, recognised by its first bytes alone: JPEG, then
// PNG, then Windows bitmap. Nothing for any other content or a picture its
// decoder refuses.
std::unique_ptr<RgbPicture> decodePicture(std::string_view content);

}  // namespace orvalis
