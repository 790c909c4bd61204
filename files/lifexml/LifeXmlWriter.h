#pragma once

#include <string>

#include "files/PatternDocument.h"

namespace orvalis {

// The LifeXML file of a document, byte for byte: UTF-8, CR LF line breaks,
// two spaces of indentation per level.
std::string lifeXmlText(const PatternDocument& document);

}  // namespace orvalis
