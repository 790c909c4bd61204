#pragma once

#include <string>

#include "platform/MessageBoxes.h"

class QWidget;

namespace orvalis {

// Whether a save may go to `path`: yes when nothing is there, otherwise
// when the user answers Yes to "Datei existiert bereits, überschreiben?".
// Anything at the path counts, a folder or a dangling link too: the user
// hears of it before a save tries to replace it.
bool mayReplace(const std::string& path, platform::MessageBoxes& messages, QWidget* owner);

}  // namespace orvalis
