#include "files/clipboard/ClipboardPattern.h"

#include <utility>

#include "files/FileFormats.h"
#include "files/clipboard/WebText.h"
#include "files/io/TextEncoding.h"
#include "files/io/TextLines.h"
#include "files/pattern/PatternDetails.h"
#include "files/plaintext/PlaintextWriter.h"
#include "files/rle/RleSignature.h"
#include "files/rle/RleWriter.h"
#include "settings/Text.h"

namespace orvalis {
namespace {

UserMessage pasteRefusal(std::string text) {
  return {std::move(text), "Orvalis", MessageIcon::Error, MessageButtons::Ok};
}

UserMessage noPatternMessage() {
  return pasteRefusal("Die Zwischenablage enthält kein Muster.");
}

UserMessage beyondVisibleFieldMessage(const CellBlock& block, FieldSize visible) {
  return pasteRefusal("Das Muster ist größer als das sichtbare Feld: " + decimalText(block.width) +
                      " × " + decimalText(block.height) + " Zellen, sichtbar sind " +
                      decimalText(visible.columns) + " × " + decimalText(visible.rows) + ".");
}

// The comment's name as the file writers take it, in UTF-8.
std::string nameOf(const std::string& comment) {
  return latin1ToUtf8(detailLines(comment, "").name);
}

PatternCells cellsOf(const CellBlock& block) {
  return {block.width, block.height, block.states, true};
}

std::string_view withoutSurroundingBlanks(std::string_view text) {
  constexpr std::string_view blanks = " \t\r\n";
  const std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// Plaintext cannot be told by its start: text of nothing but "!" lines and
// rows of ".", "O" and "*" is taken as one.
bool looksLikePlaintext(std::string_view text) {
  TextLines lines(withoutByteOrderMark(text));
  while (const auto line = lines.next()) {
    const std::string_view row = line->substr(0, line->find_last_not_of(" \t") + 1);
    if (!row.starts_with('!') && row.find_first_not_of(".O*") != std::string_view::npos) {
      return false;
    }
  }
  return true;
}

// The cells that are not dead of what `format` reads in `text`; neither
// block nor message when it holds none.
ClipboardReading readAs(const FileFormat& format, std::string_view text) {
  const DocumentReading reading = format.read(text, ReadingContext{{gridColumns, gridRows}});
  if (!reading.loaded()) {
    if (reading.message) {
      return {std::nullopt, reading.message};
    }
    return {std::nullopt, format.notLoaded ? std::optional(format.notLoaded()) : std::nullopt};
  }
  const std::optional<PatternCells>& cells = reading.document->cells;
  if (!cells) {
    return {};
  }
  CellBlock block(cells->width, cells->height);
  block.states = cells->states;
  block = trimmed(block);
  if (block.isEmpty()) {
    return {};
  }
  return {std::move(block), std::nullopt};
}

// The text as a whole in the first format that recognises it, else as
// plaintext when it can be nothing else.
ClipboardReading readAsItStands(std::string_view text) {
  for (const FileFormat* format : loadFormats()) {
    if (format->family != FormatFamily::Picture && format->recognises && format->recognises(text)) {
      return readAs(*format, text);
    }
  }
  if (looksLikePlaintext(text)) {
    return readAs(fileFormat(FormatId::Plaintext), text);
  }
  return {};
}

// The RLE in plain text: its header with the "#" lines right above it, up
// to the first "!" of its runs (or the text's end).
std::optional<std::string_view> embeddedRle(std::string_view text) {
  TextLines lines(text);
  const char* hashLines = nullptr;  // where the "#" lines above the line start
  while (const auto line = lines.next()) {
    if (line->starts_with('#')) {
      hashLines = hashLines ? hashLines : line->data();
      continue;
    }
    if (!looksLikeRle(*line)) {
      hashLines = nullptr;
      continue;
    }
    const char* start = hashLines ? hashLines : line->data();
    const char* end = text.data() + text.size();
    while (const auto runs = lines.next()) {
      const std::size_t bang = runs->find('!');
      if (!runs->starts_with('#') && bang != std::string_view::npos) {
        end = runs->data() + bang + 1;
        break;
      }
    }
    return std::string_view(start, static_cast<std::size_t>(end - start));
  }
  return std::nullopt;
}

}  // namespace

std::string clipboardRle(const CellBlock& block, const std::string& comment) {
  std::string text;
  if (const std::string name = nameOf(comment); !name.empty()) {
    text += "#N " + name + "\n";
  }
  text += "x = " + decimalText(block.width) + ", y = " + decimalText(block.height) +
          ", rule = B3/S23\n";
  return text + rleBody(cellsOf(block));
}

std::string clipboardPlaintext(const CellBlock& block, const std::string& comment) {
  std::string text;
  if (const std::string name = nameOf(comment); !name.empty()) {
    text += "!Name: " + name + "\n";
  }
  return text + plaintextRows(cellsOf(block));
}

ClipboardReading readClipboardPattern(std::string_view text, FieldSize visible) {
  text = withoutSurroundingBlanks(text);
  ClipboardReading reading = readAsItStands(text);
  if (!reading.block) {
    const std::string plain = plainWebText(text);
    if (const auto rle = embeddedRle(plain)) {
      reading = readAs(fileFormat(FormatId::Rle), *rle);
    }
  }
  visible = visible.clamped();
  if (reading.block &&
      (reading.block->width > visible.columns || reading.block->height > visible.rows)) {
    return {std::nullopt, beyondVisibleFieldMessage(*reading.block, visible)};
  }
  if (!reading.block && !reading.message) {
    reading.message = noPatternMessage();
  }
  return reading;
}

}  // namespace orvalis
