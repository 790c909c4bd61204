#pragma once

#include <memory>
#include <string_view>

#include "files/picture/RgbPicture.h"

namespace orvalis {

// True when the content starts with the eight-byte PNG signature.
bool looksLikePng(std::string_view content);

// The decoded PNG picture: palette and greyscale expanded to RGB, 16-bit
// channels reduced to 8 bits, alpha dropped. Nothing when the content is no
// PNG, is corrupt or truncated, or is too large.
std::unique_ptr<RgbPicture> decodePng(std::string_view content);

}  // namespace orvalis
