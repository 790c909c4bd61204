#include "files/picture/PictureLoader.h"

#include "files/picture/BmpDecoder.h"
#include "files/picture/JpegDecoder.h"
#include "files/picture/PngDecoder.h"

namespace orvalis {

bool looksLikePicture(std::string_view content) {
  return looksLikeJpeg(content) || looksLikePng(content) || looksLikeBmp(content);
}

std::unique_ptr<RgbPicture> decodePicture(std::string_view content) {
  if (looksLikeJpeg(content)) {
    return decodeJpeg(content);
  }
  if (looksLikePng(content)) {
    return decodePng(content);
  }
  if (looksLikeBmp(content)) {
    return decodeBmp(content);
  }
  return nullptr;
}

}  // namespace orvalis
