#pragma once

#include "platform/UserMessage.h"

namespace orvalis {

// The messages of failed saves and loads, caption "Orvalis", OK button,
// error icon.
platform::UserMessage lifeXmlSaveFailedMessage();
platform::UserMessage lifeFileSaveFailedMessage();
platform::UserMessage lifeXmlLoadFailedMessage();
platform::UserMessage lifeFileLoadFailedMessage();
// Saving the field as a picture.
platform::UserMessage pictureSaveFailedMessage();

}  // namespace orvalis
