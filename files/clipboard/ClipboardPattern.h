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
// Plaintext (.cells): a line for every row of the block, as the file writer
// writes them.
std::string clipboardPlaintext(const CellBlock& block, const std::string& comment);

// What a pasted text holds: the pattern's cells trimmed to the living,
// static and blocked ones, or why there is none to paste.
struct ClipboardReading {
  std::optional<CellBlock> block;
  std::optional<UserMessage> message;
};

// Reads the clipboard's text (UTF-8). The text as a whole, without the
// blanks around it, is read as the first format of the table that
// recognises it by content (Life 1.05 and 1.06, LifeXML, RLE, macrocell),
// else as plaintext when it holds nothing but "!" lines and rows of ".",
// "O" and "*". Failing that, RLE is looked for inside it as a web page or
// forum post gives it: HTML tags and entities around and inside it, blanks
// before its lines; the header with the "#" lines right above it up to the
// first "!" of the runs is read. Patterns are read for the whole grid.
//
// The messages (caption "Orvalis", error icon, OK):
// - "Die Zwischenablage enthält kein Muster." for text that holds no
//   pattern, or one without a cell that is not dead;
// - the load's message for a pattern its format refuses, such as
//   "Regel wird nicht unterstützt: B36/S23" (files/FileMessages.h);
// - "Das Muster ist größer als das sichtbare Feld: W × H Zellen, sichtbar
//   sind C × R." for a pattern wider or higher than `visible`.
ClipboardReading readClipboardPattern(std::string_view text, FieldSize visible);

}  // namespace orvalis
