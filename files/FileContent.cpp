#include "files/FileContent.h"

#include "files/io/RegularFile.h"
#include "files/lifexml/LifeXmlReader.h"

namespace orvalis {
namespace {

// Enough for the root element behind a long XML declaration, document type
// or comment.
constexpr std::size_t examinedBytes = 4 * xmlPieceBytes;

}  // namespace

FileContent recogniseContent(const std::string& path) {
  const auto start = readRegularFileStart(path, examinedBytes);
  if (!start) {
    return {ContentVerdict::Unreadable};
  }
  for (const FileFormat* format : loadFormats()) {
    if (format->recognises && format->recognises(*start)) {
      return {ContentVerdict::Recognised, format};
    }
  }
  return {ContentVerdict::Other};
}

}  // namespace orvalis
