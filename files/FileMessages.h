#pragma once

#include <string>

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

// RLE and plaintext files: a rule other than Conway's (`rule` in UTF-8), a
// pattern beyond the grid.
platform::UserMessage unsupportedRuleMessage(const std::string& rule);
platform::UserMessage patternTooLargeMessage();

// Asked before RLE or plaintext is written from a field with static or
// blocked cells; caption "Orvalis", Yes and No.
platform::UserMessage fixedCellsQuestion();
// A file opened by its name alone whose name and content name no format the
// program reads.
platform::UserMessage unknownFileFormatMessage();

}  // namespace orvalis
