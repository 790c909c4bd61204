#include "files/lifexml/LifeXmlWriter.h"

#include <string_view>
#include <utility>
#include <vector>

#include "files/io/TextEncoding.h"
#include "files/lifexml/CellLines.h"
#include "files/lifexml/CommentContent.h"
#include "settings/Text.h"

namespace orvalis {
namespace {

constexpr std::string_view lineBreak = "\r\n";

std::string escaped(std::string_view text, bool inAttribute) {
  std::string result;
  result.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        result += "&amp;";
        break;
      case '<':
        result += "&lt;";
        break;
      case '>':
        result += "&gt;";
        break;
      case '\'':
        result += inAttribute ? "&apos;" : "'";
        break;
      case '"':
        result += inAttribute ? "&quot;" : "\"";
        break;
      default:
        result += c;
    }
  }
  return result;
}

using Attributes = std::vector<std::pair<std::string_view, std::string>>;

// Writes the elements of the document; texts arrive in the program's
// ISO-8859-1 text and leave as UTF-8.
class XmlText {
 public:
  // A new line at `indent`, then an element without content.
  void emptyElement(int indent, std::string_view name, const Attributes& attributes) {
    startTag(indent, name, attributes);
    text_ += "/>";
  }

  void startElement(int indent, std::string_view name) {
    startTag(indent, name, {});
    text_ += '>';
  }

  void endElement(int indent, std::string_view name) {
    newLine(indent);
    closingTag(name);
  }

  // Start tag, content, end tag, without line breaks of their own.
  void textElement(int indent, std::string_view name, std::string_view content) {
    startElement(indent, name);
    text_ += latin1ToUtf8(escaped(content, false));
    closingTag(name);
  }

  void raw(std::string_view text) { text_ += text; }
  // Room for this many more bytes, so that the text is not moved again.
  void reserveMore(std::size_t bytes) { text_.reserve(text_.size() + bytes); }
  // A cell element on a line of its own inside `Fields`.
  void cellLine(char name, int x, int y) { appendCellLine(text_, name, x, y); }
  std::string take() { return std::move(text_); }

 private:
  void newLine(int indent) {
    text_ += lineBreak;
    text_.append(static_cast<std::size_t>(indent), ' ');
  }

  void startTag(int indent, std::string_view name, const Attributes& attributes) {
    newLine(indent);
    text_ += '<';
    text_ += latin1ToUtf8(name);
    for (const auto& [attributeName, value] : attributes) {
      text_ += ' ';
      text_ += latin1ToUtf8(attributeName);
      text_ += "=\"";
      text_ += latin1ToUtf8(escaped(value, true));
      text_ += '"';
    }
  }

  void closingTag(std::string_view name) {
    text_ += "</";
    text_ += latin1ToUtf8(name);
    text_ += '>';
  }

  std::string text_;
};

// A text without the control characters that XML cannot hold: a text
// pasted with one of them must not make the whole file unreadable.
std::string textForXml(std::string text) {
  std::erase_if(text, [](char c) { return xmlCannotCarry(static_cast<unsigned char>(c)); });
  return text;
}

std::string checkText(const PatternDocument& document, GadgetId id) {
  return document.number(id).value_or(0) != 0 ? "1" : "0";
}

char cellElementName(CellState state) {
  switch (state) {
    case CellState::Alive:
      return 'F';
    case CellState::Static:
      return 'S';
    case CellState::Blocked:
      return 'E';
    default:
      return 0;  // dead cells and stray values are not stored
  }
}

void writeCells(XmlText& xml, const PatternCells& cells) {
  // The cell lines are most of a large file: room for one of every visible
  // cell, and for the tags that end the file, is taken at once. Room that
  // stays unused costs no memory.
  constexpr std::size_t endTags = 64;
  xml.reserveMore(cells.states.size() * longestCellLine + endTags);
  bool anyCell = false;
  for (int y = 0; y < cells.height; ++y) {
    for (int x = 0; x < cells.width; ++x) {
      const char name = cellElementName(cells.at(x, y));
      if (name == 0) {
        continue;
      }
      if (!anyCell) {
        xml.startElement(2, "Fields");
        anyCell = true;
      }
      xml.cellLine(name, x, y);
    }
  }
  if (anyCell) {
    xml.endElement(2, "Fields");
  } else {
    xml.emptyElement(2, "Fields", {});
  }
}

}  // namespace

std::string lifeXmlText(const PatternDocument& document) {
  const PatternCells empty;
  const PatternCells& cells = document.cells ? *document.cells : empty;
  const DocumentDetails& details = document.details;
  XmlText xml;
  xml.raw(writtenLifeXmlStart);
  xml.emptyElement(2, "Interval",
                   {{"ms", textForXml(document.text(GadgetId::IntervalSpin).value_or(""))}});
  xml.emptyElement(2, "Dimensions",
                   {{"x", decimalText(cells.width)}, {"y", decimalText(cells.height)}});
  xml.emptyElement(2, "Options",
                   {{"grid", checkText(document, GadgetId::GridCheck)},
                    {"infinite", checkText(document, GadgetId::InfiniteCheck)},
                    {"hide", checkText(document, GadgetId::HideCheck)}});
  if (const std::string comment = textForXml(details.comment.value_or("")); !comment.empty()) {
    xml.textElement(2, "Comment", commentContent(comment));
  }
  if (const std::string author = textForXml(details.author.value_or("")); !author.empty()) {
    xml.emptyElement(2, "Author", {{"name", author}});
  }
  if (const std::string source = textForXml(details.source.value_or("")); !source.empty()) {
    xml.emptyElement(2, "Source", {{"url", source}});
  }
  if (const long long date = details.date.value_or(0); date != 0) {
    xml.emptyElement(2, "Date", {{"d", decimalText(date)}});
  }
  writeCells(xml, cells);
  xml.endElement(0, "Orvalis");
  xml.raw(lineBreak);
  return xml.take();
}

}  // namespace orvalis
