#include "files/picture/BmpDecoder.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QRgb>

#include <cstdlib>

namespace orvalis {

bool looksLikeBmp(std::string_view content) {
  return content.size() >= 2 && content[0] == 'B' && content[1] == 'M';
}

std::unique_ptr<RgbPicture> decodeBmp(std::string_view content) {
  if (!looksLikeBmp(content)) {
    return nullptr;
  }
  QByteArray bytes =
      QByteArray::fromRawData(content.data(), static_cast<qsizetype>(content.size()));
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  // The format is fixed, so no other reader ever sees the file.
  QImageReader reader(&buffer, "bmp");
  reader.setAutoDetectImageFormat(false);
  // Refused before anything of the picture is allocated. The header of a
  // top-down bitmap gives a negative height.
  const QSize size = reader.size();
  auto picture = RgbPicture::create(size.width(), std::abs(static_cast<long long>(size.height())));
  if (!picture) {
    return nullptr;
  }
  QImage image = reader.read();
  if (image.isNull() || image.width() != picture->width() || image.height() != picture->height()) {
    return nullptr;
  }
  // Qt reads most bitmaps as 32-bit pixels already; only the others pay
  // for a converted copy.
  if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32) {
    image = image.convertToFormat(QImage::Format_RGB32);
  }
  for (int y = 0; y < picture->height(); ++y) {
    const auto* source = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    std::uint8_t* target = picture->row(y);
    for (int x = 0; x < picture->width(); ++x, target += 3) {
      target[0] = static_cast<std::uint8_t>(qRed(source[x]));
      target[1] = static_cast<std::uint8_t>(qGreen(source[x]));
      target[2] = static_cast<std::uint8_t>(qBlue(source[x]));
    }
  }
  return picture;
}

}  // namespace orvalis
