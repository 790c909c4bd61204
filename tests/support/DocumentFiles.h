#pragma once

// Loading and saving as the program's commands do, for tests that work on a
// grid and a settings record rather than the whole program.
#include <string>

#include "files/DocumentApply.h"
#include "files/FileFormats.h"
#include "files/LoadAndSave.h"
#include "files/io/TextEncoding.h"
#include "files/lifexml/LifeXmlDocument.h"
#include "files/lifexml/LifeXmlReader.h"

namespace orvalis::test {

// Reads `path` as `format` and places what was read, as the load command
// does; what was read.
inline DocumentReading loadInto(FormatId format, const std::string& path, GadgetAccess& gadgets,
                                CellGrid& grid) {
  DocumentReading reading = loadDocument(fileFormat(format), path, readingContext(gadgets));
  if (reading.document) {
    placeDocument(*reading.document, gadgets, grid);
  }
  return reading;
}

// Saves the visible field and its details at `path` in `format`; whether it
// was saved.
inline bool saveAs(FormatId format, const std::string& path, GadgetAccess& gadgets,
                   const CellGrid& grid) {
  return !saveDocument(fileFormat(format), path, fieldDocument(gadgets, grid), gadgets);
}

// What the user is told of a LifeXML document read; "" when it loaded.
inline constexpr const char* xmlLoaded = "";
inline constexpr const char* xmlWithoutRoot = "Ungültiges XML - Dokument, Keine MainNode";
inline constexpr const char* xmlWithForeignRoot = "Falsches XML - Format";
inline constexpr const char* xmlWithoutChildren = "Leeres XML - Dokument";
inline constexpr const char* xmlUnreadable = "XML - Datei konnte nicht geladen werden";

// Takes the LifeXML document tree of the file at `path` in `mode` and
// places what it says; the text of the message the user is told.
inline std::string placeLifeXml(const XmlDocument& tree, ReadMode mode, const std::string& path,
                                GadgetAccess& gadgets, CellGrid& grid) {
  DocumentReading reading = lifeXmlDocument(tree, mode);
  if (reading.document) {
    if (mode == ReadMode::Full) {
      reading.document->details.fileName = fileNameText(path);
    }
    placeDocument(*reading.document, gadgets, grid);
  }
  return reading.message ? reading.message->text : xmlLoaded;
}

}  // namespace orvalis::test
