#pragma once

#include "platform/UserMessage.h"

namespace orvalis {

// The messages of failed saves and loads, caption "Orvalis", OK button,
// error icon.
platform::UserMessage lifeXmlSaveFailedMessage();
platform::UserMessage lifeFileSaveFailedMessage();
platform::UserMessage lifeXmlLoadFailedMessage();
platform::UserMessage lifeFileLoadFailedMessage();
// A file opened by its name alone whose name and content name no format the
// program reads.
platform::UserMessage unknownFileFormatMessage();

}  // namespace orvalis
