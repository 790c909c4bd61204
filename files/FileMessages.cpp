#include "files/FileMessages.h"

namespace orvalis {
namespace {

UserMessage fileError(const std::string& text) {
  return {text, "Orvalis", MessageIcon::Error, MessageButtons::Ok};
}

}  // namespace

UserMessage lifeXmlSaveFailedMessage() {
  return fileError("XML - Datei konnte nicht erstellt werden");
}

UserMessage lifeFileSaveFailedMessage() {
  return fileError("Datei konnte nicht erstellt werden");
}

UserMessage lifeXmlLoadFailedMessage() {
  return fileError("XML - Datei konnte nicht geladen werden");
}

UserMessage lifeFileLoadFailedMessage() {
  return fileError("Datei konnte nicht geladen werden");
}

UserMessage unsupportedRuleMessage(const std::string& rule) {
  return fileError("Regel wird nicht unterstützt: " + rule);
}

UserMessage patternTooLargeMessage() {
  return fileError("Muster ist größer als 500 × 500 Zellen");
}

UserMessage fixedCellsQuestion() {
  return {"Statische und leere Zellen werden als lebende und tote Zellen gespeichert. Fortfahren?",
          "Orvalis", MessageIcon::Question, MessageButtons::YesNo};
}

UserMessage pictureSaveFailedMessage() {
  return fileError("Bild konnte nicht erstellt werden");
}

UserMessage pictureLoadFailedMessage() {
  return fileError("Bild konnte nicht geladen werden");
}

UserMessage unknownFileFormatMessage() {
  return fileError("Unbekanntes Dateiformat");
}

}  // namespace orvalis
