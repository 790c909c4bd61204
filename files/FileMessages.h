#pragma once

#include <string>

#include "settings/UserMessage.h"

namespace orvalis {

// The messages of failed saves and loads, caption "Orvalis", OK button,
// error icon.
UserMessage lifeXmlSaveFailedMessage();
UserMessage lifeFileSaveFailedMessage();
UserMessage lifeXmlLoadFailedMessage();
UserMessage lifeFileLoadFailedMessage();
// Saving the field as a picture.
UserMessage pictureSaveFailedMessage();
// A picture opened by its name that cannot be read; the load dialog's
// import ends without a word.
UserMessage pictureLoadFailedMessage();

// RLE and plaintext files: a rule other than Conway's (`rule` in UTF-8), a
// pattern beyond the grid.
UserMessage unsupportedRuleMessage(const std::string& rule);
UserMessage patternTooLargeMessage();

// Asked before RLE or plaintext is written from a field with static or
// blocked cells; caption "Orvalis", Yes and No.
UserMessage fixedCellsQuestion();
// A file opened by its name alone whose name and content name no format the
// program reads.
UserMessage unknownFileFormatMessage();

}  // namespace orvalis
