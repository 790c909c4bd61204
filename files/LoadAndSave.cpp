#include "files/LoadAndSave.h"

#include <algorithm>

#include "files/io/PatternFileBytes.h"
#include "files/io/RegularFile.h"
#include "files/io/SafeSave.h"
#include "files/io/TextEncoding.h"
#include "files/lifexml/LifeXmlDocument.h"
#include "files/lifexml/LifeXmlReader.h"
#include "files/picture/PictureLoader.h"

namespace orvalis {

ReadingContext readingContext(GadgetAccess& gadgets) {
  const long long threshold = gadgets.gadgetValue(GadgetId::ThresholdSpin);
  return {visibleFieldSize(gadgets), static_cast<int>(std::clamp<long long>(threshold, 0, 255)),
          gadgets.gadgetValue(GadgetId::InvertCheck) != 0};
}

DocumentReading loadDocument(const FileFormat& format, const std::string& path,
                             const ReadingContext& context) {
  const auto bytes = format.family == FormatFamily::Picture
                         ? readRegularFile(path, maxPictureFileBytes)
                         : readPatternFileBytes(path);
  if (!bytes) {
    return format.notLoaded ? refusedWith(format.notLoaded()) : DocumentReading{};
  }
  DocumentReading reading = format.read(*bytes, context);
  if (reading.document) {
    reading.document->details.fileName = fileNameText(path);
  }
  return reading;
}

DocumentReading loadSettingsDocument(const std::string& path) {
  const auto bytes = readPatternFileBytes(path);
  const auto tree = bytes ? parseLifeXml(*bytes) : std::nullopt;
  return tree ? lifeXmlDocument(*tree, ReadMode::SettingsOnly) : DocumentReading{};
}

std::optional<UserMessage> saveDocument(const FileFormat& format, const std::string& path,
                                        const PatternDocument& document, GadgetAccess& gadgets) {
  if (!saveFileReplacing(path, format.write(document))) {
    return format.notSaved();
  }
  gadgets.setGadgetText(GadgetId::FileNameField, fileNameText(path));
  return std::nullopt;
}

}  // namespace orvalis
