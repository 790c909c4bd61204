#include "files/FileContent.h"

#include "files/FileMessages.h"
#include "files/io/PatternFileBytes.h"
#include "files/lifexml/LifeXmlReader.h"

namespace orvalis {
namespace {

// Enough for the root element behind a long XML declaration, document type
// or comment.
constexpr std::size_t examinedBytes = 4 * xmlPieceBytes;

}  // namespace

FileContent recogniseContent(const std::string& path) {
  const auto start = readPatternFileStart(path, examinedBytes);
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

const FileFormat& formatOfPickedFile(const FileFormat& chosen, const std::string& path) {
  const FileContent content = recogniseContent(path);
  return content.format ? *content.format : chosen;
}

const FileFormat& formatReading(const FileFormat& chosen, const std::string& path) {
  return chosen.contentFirst ? formatOfPickedFile(chosen, path) : chosen;
}

FileContent formatForOpening(const std::string& path) {
  if (const FileFormat* named = loadFormatForName(path)) {
    return {ContentVerdict::Recognised, &formatReading(*named, path)};
  }
  return recogniseContent(path);
}

UserMessage unopenedFileMessage(const FileContent& content) {
  return content.verdict == ContentVerdict::Unreadable ? lifeFileLoadFailedMessage()
                                                       : unknownFileFormatMessage();
}

}  // namespace orvalis
