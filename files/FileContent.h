#pragma once

#include <string>

namespace orvalis {

// What a file holds, judged by its first bytes, for a file whose name does
// not say: a LifeXML document (XML whose root element is the program's), a
// picture (JPEG, PNG or Windows bitmap), anything else, or nothing readable
// (missing, no regular file, no permission).
enum class FileContent { LifeXml, Picture, Other, Unreadable };

FileContent recogniseContent(const std::string& path);

}  // namespace orvalis
