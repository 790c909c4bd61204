#include "files/FileMessages.h"

namespace orvalis {
namespace {

platform::UserMessage fileError(const std::string& text) {
  return {text, "Orvalis", platform::MessageIcon::Error, platform::MessageButtons::Ok};
}

}  // namespace

platform::UserMessage lifeXmlSaveFailedMessage() {
  return fileError("XML - Datei konnte nicht erstellt werden");
}

platform::UserMessage lifeFileSaveFailedMessage() {
  return fileError("Datei konnte nicht erstellt werden");
}

platform::UserMessage lifeXmlLoadFailedMessage() {
  return fileError("XML - Datei konnte nicht geladen werden");
}

platform::UserMessage lifeFileLoadFailedMessage() {
  return fileError("Datei konnte nicht geladen werden");
}

platform::UserMessage unsupportedRuleMessage(const std::string& rule) {
  return fileError("Regel wird nicht unterstützt: " + rule);
}

platform::UserMessage patternTooLargeMessage() {
  return fileError("Muster ist größer als 500 × 500 Zellen");
}

platform::UserMessage fixedCellsQuestion() {
  return {"Statische und leere Zellen werden als lebende und tote Zellen gespeichert. Fortfahren?",
          "Orvalis", platform::MessageIcon::Question, platform::MessageButtons::YesNo};
}

platform::UserMessage pictureSaveFailedMessage() {
  return fileError("Bild konnte nicht erstellt werden");
}

platform::UserMessage unknownFileFormatMessage() {
  return fileError("Unbekanntes Dateiformat");
}

}  // namespace orvalis
