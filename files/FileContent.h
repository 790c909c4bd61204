#pragma once

#include <string>

#include "files/FileFormats.h"
#include "settings/UserMessage.h"

namespace orvalis {

// What a file holds, judged by its first bytes (inflated when gzip
// compressed them), for a file whose name does not say: a format whose
// content shows (a LifeXML document, a picture, RLE, Life 1.05 or 1.06 text,
// macrocell), anything else, or nothing readable (missing, no regular file,
// no permission).
enum class ContentVerdict { Recognised, Other, Unreadable };

struct FileContent {
  ContentVerdict verdict = ContentVerdict::Other;
  const FileFormat* format = nullptr;  // the one recognised
};

FileContent recogniseContent(const std::string& path);

// The format a file picked in the load dialog as `chosen` is read as: the
// one its content shows, else `chosen`, so that a file picked under another
// type still loads rather than fail without a word.
const FileFormat& formatOfPickedFile(const FileFormat& chosen, const std::string& path);

// The format a file named for `chosen` is read as: `chosen`, unless it lets
// the content decide and the content shows another format.
const FileFormat& formatReading(const FileFormat& chosen, const std::string& path);

// The format a file opened by its name alone (command line, drop,
// orvalis-cli) is read as: the one its extension selects (see
// formatReading), else the one its content shows.
FileContent formatForOpening(const std::string& path);

// Why a file that formatForOpening finds no format for is not opened.
UserMessage unopenedFileMessage(const FileContent& content);

}  // namespace orvalis
