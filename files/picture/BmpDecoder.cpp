#include "files/picture/BmpDecoder.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QRgb>
#include <QtGlobal>

#include <cstdint>
#include <cstdlib>

namespace orvalis {
namespace {

std::uint32_t littleEndian(std::string_view content, std::size_t offset, int size) {
  std::uint32_t value = 0;
  for (int k = 0; k < size; ++k) {
    value |= static_cast<std::uint32_t>(static_cast<unsigned char>(content[offset + k])) << (8 * k);
  }
  return value;
}

// Qt's reader takes a bitmap that ends early as a picture whose missing rows
// are black. An uncompressed bitmap (no compression or bit fields) must hold
// every row; only the last row's padding may be missing. Headers this check
// cannot read are left to Qt.
bool holdsAllRows(std::string_view content) {
  constexpr std::size_t coreHeaderEnd = 26;
  constexpr std::size_t infoHeaderEnd = 34;
  if (content.size() < coreHeaderEnd) {
    return true;
  }
  const std::uint32_t pixelOffset = littleEndian(content, 10, 4);
  const std::uint32_t headerSize = littleEndian(content, 14, 4);
  long long width = 0;
  long long height = 0;
  long long bitsPerPixel = 0;
  if (headerSize == 12) {
    width = static_cast<std::int16_t>(littleEndian(content, 18, 2));
    height = static_cast<std::int16_t>(littleEndian(content, 20, 2));
    bitsPerPixel = littleEndian(content, 24, 2);
  } else if (headerSize >= 40 && content.size() >= infoHeaderEnd) {
    const std::uint32_t compression = littleEndian(content, 30, 4);
    constexpr std::uint32_t uncompressed = 0;
    constexpr std::uint32_t bitFields = 3;
    constexpr std::uint32_t alphaBitFields = 6;
    if (compression != uncompressed && compression != bitFields && compression != alphaBitFields) {
      return true;
    }
    width = static_cast<std::int32_t>(littleEndian(content, 18, 4));
    height = static_cast<std::int32_t>(littleEndian(content, 22, 4));
    bitsPerPixel = littleEndian(content, 28, 2);
  } else {
    return true;
  }
  width = std::llabs(width);
  height = std::llabs(height);
  if (width == 0 || height == 0 || bitsPerPixel > 64 || width * height > maxPicturePixels) {
    return true;  // Qt's reader or the size limit refuses these
  }
  const long long rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
  const long long lastRowBytes = (width * bitsPerPixel + 7) / 8;
  return static_cast<long long>(content.size()) >=
         pixelOffset + rowBytes * (height - 1) + lastRowBytes;
}

// Qt's reader reports what it finds wrong in a bitmap on standard error;
// like the other decoders it stays silent here. The program has one thread,
// so no other message is lost meanwhile.
class QuietQtMessages {
 public:
  QuietQtMessages() : previous_(qInstallMessageHandler(&ignore)) {}
  QuietQtMessages(const QuietQtMessages&) = delete;
  QuietQtMessages& operator=(const QuietQtMessages&) = delete;
  ~QuietQtMessages() { qInstallMessageHandler(previous_); }

 private:
  static void ignore(QtMsgType, const QMessageLogContext&, const QString&) {}
  QtMessageHandler previous_;
};

}  // namespace

bool looksLikeBmp(std::string_view content) {
  return content.size() >= 2 && content[0] == 'B' && content[1] == 'M';
}

std::unique_ptr<RgbPicture> decodeBmp(std::string_view content) {
  if (!looksLikeBmp(content) || !holdsAllRows(content)) {
    return nullptr;
  }
  const QuietQtMessages quiet;
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
