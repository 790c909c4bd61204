#pragma once

#include <optional>
#include <string>

#include "engine/CellGrid.h"
#include "files/lifexml/XmlDocument.h"
#include "settings/GadgetAccess.h"
#include "settings/UserMessage.h"

namespace orvalis {

// Full: the load command, with the read file's path. SettingsOnly: the
// settings file at start-up; only interval, dimensions, options, author and
// source are taken, and no path is needed.
enum class ApplyMode { Full, SettingsOnly };

enum class ApplyResult { Applied, NoRootElement, WrongRootElement, EmptyDocument };

// Whether the document's root element is the program's own (any case).
bool hasLifeXmlRoot(const XmlDocument& document);

// Hands a read LifeXML document to the gadgets and, in mode Full, the cells.
// A document without root element or with a foreign root changes nothing;
// one whose root has no children has, in mode Full, already set the file
// name and cleared comment, author, date and source. Cell elements that
// address no cell of the 500 x 500 grid are skipped.
ApplyResult applyLifeXml(const XmlDocument& document, ApplyMode mode, const std::string& path,
                         GadgetAccess& gadgets, CellGrid& grid);

// The message the user sees for a rejected document; nothing for Applied.
std::optional<UserMessage> applyResultMessage(ApplyResult result);

}  // namespace orvalis
