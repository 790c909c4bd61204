#include "files/picture/PngWriter.h"

#include <QBuffer>
#include <QImageWriter>

#include "files/io/SafeSave.h"

namespace orvalis {

bool writePng(const std::string& path, const QImage& image) {
  if (image.isNull()) {
    return false;
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  return writer.write(image) &&
         saveFileReplacing(path, std::string_view(bytes.constData(), bytes.size()));
}

}  // namespace orvalis
