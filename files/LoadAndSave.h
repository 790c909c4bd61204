#pragma once

#include <optional>
#include <string>

#include "files/FileFormats.h"
#include "files/PatternDocument.h"
#include "settings/GadgetAccess.h"
#include "settings/UserMessage.h"

namespace orvalis {

// What the panel tells a reader of the field it reads for.
ReadingContext readingContext(GadgetAccess& gadgets);

// Reads the file at `path` in `format`: a picture as it stands, a pattern
// file inflated when gzip compressed it. A document read names the file.
DocumentReading loadDocument(const FileFormat& format, const std::string& path,
                             const ReadingContext& context);

// The settings file read at start-up: interval, dimensions, options, author
// and source of a LifeXML file. Neither document nor message when there is
// no such file, it cannot be read or is empty.
DocumentReading loadSettingsDocument(const std::string& path);

// Saves `document` at `path` in `format`, replacing an existing file only
// once the new one is completely written; the message for the user when
// that fails. Afterwards the file-name field shows the file's name.
std::optional<UserMessage> saveDocument(const FileFormat& format, const std::string& path,
                                        const PatternDocument& document, GadgetAccess& gadgets);

}  // namespace orvalis
