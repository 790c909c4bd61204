#include "tools/PatternFiles.h"

#include "files/DocumentApply.h"
#include "files/FileContent.h"
#include "files/FileFormats.h"
#include "files/FileMessages.h"
#include "files/LoadAndSave.h"

namespace orvalis::cli {

std::optional<std::string> loadPattern(const std::string& path, GadgetAccess& gadgets,
                                       LifeField& field) {
  const FileContent content = formatForOpening(path);
  if (!content.format) {
    return unopenedFileMessage(content).text;
  }
  const DocumentReading reading = loadDocument(*content.format, path, readingContext(gadgets));
  if (reading.document) {
    applyDocument(*reading.document, gadgets, field);
  }
  if (!reading.loaded()) {
    // The desktop program fails silently on a picture; a script must know.
    return (reading.message ? *reading.message : pictureLoadFailedMessage()).text;
  }
  return std::nullopt;
}

bool namesPatternFile(const std::string& path) {
  return saveFormatForName(path) != nullptr;
}

// Static cells go as living, blocked ones as dead, without asking.
std::optional<std::string> savePattern(const std::string& path, GadgetAccess& gadgets,
                                       const CellGrid& grid) {
  const FileFormat* named = saveFormatForName(path);
  const FileFormat& format = named ? *named : fileFormat(FormatId::LifeFile);
  const auto message = saveDocument(format, path, fieldDocument(gadgets, grid), gadgets);
  return message ? std::optional(message->text) : std::nullopt;
}

}  // namespace orvalis::cli
