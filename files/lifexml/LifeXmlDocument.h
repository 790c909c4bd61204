#pragma once

#include <string_view>

#include "files/PatternDocument.h"
#include "files/lifexml/XmlDocument.h"

namespace orvalis {

// Full: a pattern file. SettingsOnly: the settings file at start-up; only
// interval, dimensions, options, author and source are taken.
enum class ReadMode { Full, SettingsOnly };

// Whether the document's root element is the program's own (any case).
bool hasLifeXmlRoot(const XmlDocument& document);

// What a LifeXML document tree says. Refused without root element or with a
// foreign root. A root without children gives, in mode Full, a document
// that clears comment, author, date and source, with the message that the
// document is empty. Cell elements that address no cell of the 500 x 500
// grid are skipped; each Fields element starts afresh.
DocumentReading lifeXmlDocument(const XmlDocument& tree, ReadMode mode);

// The same for a file's bytes; an empty file or one the parser cannot start
// on cannot be loaded.
DocumentReading readLifeXmlBytes(std::string_view bytes, ReadMode mode);

}  // namespace orvalis
