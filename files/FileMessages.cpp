#include "files/FileMessages.h"

namespace orvalis {
namespace {

platform::UserMessage fileError(const char* text) {
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

platform::UserMessage unknownFileFormatMessage() {
  return fileError("Unbekanntes Dateiformat");
}

}  // namespace orvalis
