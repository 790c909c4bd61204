#include "files/lifexml/LifeXmlWriter.h"

#include <string_view>
#include <utility>
#include <vector>

#include "files/io/SafeSave.h"
#include "files/io/TextEncoding.h"
#include "files/lifexml/CellLines.h"
#include "files/lifexml/CommentContent.h"
#include "settings/GadgetAccess.h"
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

// A gadget's text without the control characters that XML cannot hold: a
// text pasted with one of them must not make the whole file unreadable.
std::string gadgetTextForXml(GadgetAccess& gadgets, GadgetId id) {
  std::string text = gadgets.gadgetText(id);
  std::erase_if(text, [](char c) { return xmlCannotCarry(static_cast<unsigned char>(c)); });
  return text;
}

std::string checkText(GadgetAccess& gadgets, GadgetId id) {
  return gadgets.gadgetValue(id) != 0 ? "1" : "0";
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

void writeCells(XmlText& xml, FieldSize size, const CellGrid& grid) {
  // The cell lines are most of a large file: room for one of every visible
  // cell, and for the tags that end the file, is taken at once. Room that
  // stays unused costs no memory.
  constexpr std::size_t endTags = 64;
  xml.reserveMore(static_cast<std::size_t>(size.columns) * static_cast<std::size_t>(size.rows) *
                      longestCellLine +
                  endTags);
  bool anyCell = false;
  for (int y = 0; y < size.rows; ++y) {
    for (int x = 0; x < size.columns; ++x) {
      const char name = cellElementName(grid.at(x, y).state);
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

std::string lifeXmlText(GadgetAccess& gadgets, const CellGrid& grid) {
  const FieldSize size = visibleFieldSize(gadgets);
  XmlText xml;
  xml.raw(writtenLifeXmlStart);
  xml.emptyElement(2, "Interval", {{"ms", gadgetTextForXml(gadgets, GadgetId::IntervalSpin)}});
  xml.emptyElement(2, "Dimensions",
                   {{"x", decimalText(size.columns)}, {"y", decimalText(size.rows)}});
  xml.emptyElement(2, "Options",
                   {{"grid", checkText(gadgets, GadgetId::GridCheck)},
                    {"infinite", checkText(gadgets, GadgetId::InfiniteCheck)},
                    {"hide", checkText(gadgets, GadgetId::HideCheck)}});
  if (const std::string comment = gadgetTextForXml(gadgets, GadgetId::CommentEditor);
      !comment.empty()) {
    xml.textElement(2, "Comment", commentContent(comment));
  }
  if (const std::string author = gadgetTextForXml(gadgets, GadgetId::AuthorField);
      !author.empty()) {
    xml.emptyElement(2, "Author", {{"name", author}});
  }
  if (const std::string source = gadgetTextForXml(gadgets, GadgetId::SourceField);
      !source.empty()) {
    xml.emptyElement(2, "Source", {{"url", source}});
  }
  if (const long long date = gadgets.gadgetValue(GadgetId::DateField); date != 0) {
    xml.emptyElement(2, "Date", {{"d", decimalText(date)}});
  }
  writeCells(xml, size, grid);
  xml.endElement(0, "Orvalis");
  xml.raw(lineBreak);
  return xml.take();
}

bool writeLifeXml(const std::string& path, GadgetAccess& gadgets, const CellGrid& grid) {
  if (!saveFileReplacing(path, lifeXmlText(gadgets, grid))) {
    return false;
  }
  gadgets.setGadgetText(GadgetId::FileNameField, fileNameText(path));
  return true;
}

}  // namespace orvalis
