#include "tools/PatternFiles.h"

#include "files/FileContent.h"
#include "files/FileFormats.h"
#include "files/FileMessages.h"

namespace orvalis::cli {

std::optional<std::string> loadPattern(const std::string& path, GadgetAccess& gadgets,
                                       LifeField& field) {
  const FileContent content = formatForOpening(path);
  if (!content.format) {
    return unopenedFileMessage(content).text;
  }
  const FileFormat& format = *content.format;
  const LoadOutcome outcome = format.read(path, gadgets, field.cells);
  if (!outcome.loaded) {
    // The desktop program fails silently on a picture; a script must know.
    return (outcome.message ? *outcome.message : pictureLoadFailedMessage()).text;
  }
  // An imported picture leaves no pending marks, so the field needs no flag.
  if (format.family != FormatFamily::Picture) {
    field.fieldEdited = true;
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
  const auto message = format.write(path, gadgets, grid);
  return message ? std::optional(message->text) : std::nullopt;
}

}  // namespace orvalis::cli
