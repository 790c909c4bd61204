#include "files/FileContent.h"

#include "files/LifeXmlApply.h"
#include "files/LifeXmlReader.h"
#include "files/RegularFile.h"
#include "files/picture/PictureLoader.h"

namespace orvalis {
namespace {

// Enough for the root element behind a long XML declaration, document type
// or comment.
constexpr std::size_t examinedBytes = 4 * xmlPieceBytes;

}  // namespace

FileContent recogniseContent(const std::string& path) {
  const auto start = readRegularFileStart(path, examinedBytes);
  if (!start) {
    return FileContent::Unreadable;
  }
  if (looksLikePicture(*start)) {
    return FileContent::Picture;
  }
  // The parser stops where the examined bytes end; a root element that
  // started before holds.
  if (const auto document = parseLifeXml(*start); document && hasLifeXmlRoot(*document)) {
    return FileContent::LifeXml;
  }
  return FileContent::Other;
}

}  // namespace orvalis
