#pragma once

#include <string>

#include "files/FileFormats.h"

namespace orvalis {

// What a file holds, judged by its first bytes, for a file whose name does
// not say: a format whose content shows (a LifeXML document, a picture),
// anything else, or nothing readable (missing, no regular file, no
// permission).
enum class ContentVerdict { Recognised, Other, Unreadable };

struct FileContent {
  ContentVerdict verdict = ContentVerdict::Other;
  const FileFormat* format = nullptr;  // the one recognised
};

FileContent recogniseContent(const std::string& path);

}  // namespace orvalis
