#pragma once

#include <memory>
#include <string_view>

#include "files/picture/RgbPicture.h"

namespace orvalis {

// True when the content starts like a Windows bitmap ("BM").
bool looksLikeBmp(std::string_view content);

// The decoded bitmap (any variant that Qt's BMP reader knows), or nothing
// when the content is no bitmap, is corrupt, or is too large.
std::unique_ptr<RgbPicture> decodeBmp(std::string_view content);

}  // namespace orvalis
