#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/CellBlock.h"
#include "settings/UserMessage.h"

namespace orvalis {

// The texts that Copy puts on the clipboard for `block`. The comment's first
// line (ISO-8859-1, CR LF breaks) names the pattern as "#N" or "!Name:";
// static cells are written as living, blocked cells as dead. The result is
// UTF-8 with LF line breaks.
//
// RLE as Golly and LifeViewer read it: an unbounded "rule = B3/S23" pattern
// of the block's size.
std::string clipboardRle(const CellBlock& block, const std::string& comment);
// Plaintext (.cells), one line a row.
std::string clipboardPlaintext(const CellBlock& block, const std::string& comment);

// What a pasted text holds: the pattern's cells trimmed to the living,
// static and blocked ones, or why there is none to paste.
struct ClipboardReading {
  std::optional<CellBlock> block;
  std::optional<UserMessage> message;
};

// Reads the clipboard's text (UTF-8) in every format that the format table
// recognises by content: RLE, plaintext, Life 1.05 and 1.06, LifeXML,
// macrocell. RLE is also found inside other text, as a web page gives it:
// HTML tags and entities around and inside it, blanks before its lines.
// A pattern wider or higher than `visible` is refused with a message, as is
// text that holds no pattern or no cell.
ClipboardReading readClipboardPattern(std::string_view text, FieldSize visible);

}  // namespace orvalis
