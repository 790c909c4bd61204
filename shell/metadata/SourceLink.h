#pragma once

#include <string_view>

#include "platform/DesktopServices.h"
#include "settings/GadgetAccess.h"

namespace orvalis {

// Whether ">" opens the source: it begins with "http:", "https:" or "www.",
// in any case. Secure addresses are opened too, as almost every address on
// the web is one now.
bool isWebAddress(std::string_view source);

// ">" and Ctrl+Return: the source without its leading and trailing blanks
// is opened in the browser when it is a web address and copied to the
// clipboard otherwise, even when empty.
void openOrCopySource(GadgetAccess& settings, platform::DesktopServices& desktop);

}  // namespace orvalis
