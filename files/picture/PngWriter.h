#pragma once

#include <QImage>
#include <string>

namespace orvalis {

// Saves `image` as a PNG file through the safe save: an existing file is
// replaced only once the whole picture is written. False when the picture
// is empty or cannot be encoded or written.
bool writePng(const std::string& path, const QImage& image);

}  // namespace orvalis
