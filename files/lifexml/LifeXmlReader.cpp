#include "files/lifexml/LifeXmlReader.h"

#include <expat.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "files/io/TextEncoding.h"
#include "files/lifexml/CellLines.h"
#include "files/lifexml/LineBreakStyle.h"
#include "settings/Text.h"

namespace orvalis {
namespace {

// The state that a cell element named by this one letter sets (F, S or E in
// any case), or Dead for any other element.
CellState cellElementState(char name) {
  switch (name) {
    case 'f':
    case 'F':
      return CellState::Alive;
    case 's':
    case 'S':
      return CellState::Static;
    case 'e':
    case 'E':
      return CellState::Blocked;
    default:
      return CellState::Dead;
  }
}

// Resolves the cell elements of one Fields element as they come: an element
// without x or y keeps the column or row of the one before, and one that
// addresses no cell of the grid (a coordinate outside 0..499, or none known
// yet) is left out.
class CellCollector {
 public:
  explicit CellCollector(std::vector<XmlCell>& cells) : cells_(cells) {}

  void add(CellState state, std::optional<long long> x, std::optional<long long> y) {
    if (x) {
      x_ = x;
    }
    if (y) {
      y_ = y;
    }
    if (x_ && y_ && *x_ >= 0 && *x_ < gridColumns && *y_ >= 0 && *y_ < gridRows) {
      cells_.push_back({static_cast<std::int16_t>(*x_), static_cast<std::int16_t>(*y_), state});
    }
  }

 private:
  std::vector<XmlCell>& cells_;
  std::optional<long long> x_;
  std::optional<long long> y_;
};

// A coordinate attribute's value as the parser hands it over; an empty one
// is missing. One to three digits, as the writer writes them, are read at
// once, any other value as every number of the file is read: the parser's
// text has the same leading digits as the program's.
std::optional<long long> coordinateValue(const XML_Char* value) {
  if (value[0] == 0) {
    return std::nullopt;
  }
  long long number = 0;
  int digits = 0;
  for (; digits < 3 && value[digits] >= '0' && value[digits] <= '9'; ++digits) {
    number = number * 10 + (value[digits] - '0');
  }
  return digits > 0 && value[digits] == 0 ? number : numberValue(value);
}

// Builds the tree from expat's events. Internal entity references are not
// expanded: with a default handler set, expat hands them on as written and
// they join the current element's text. No external entity handler is ever
// set, so nothing outside the file is read.
//
// Inside a Fields element right inside the root, nothing becomes a node:
// the cell elements go to its cells, and all else there only counts towards
// the limits, as its nodes would.
class TreeBuilder {
 public:
  explicit TreeBuilder(XML_Parser parser) : parser_(parser) {
    XML_SetUserData(parser, this);
    XML_SetElementHandler(parser, &TreeBuilder::onStartElement, &TreeBuilder::onEndElement);
    XML_SetCharacterDataHandler(parser, &TreeBuilder::onCharacterData);
    XML_SetCommentHandler(parser, &TreeBuilder::onComment);
    XML_SetCdataSectionHandler(parser, &TreeBuilder::onStartCData, &TreeBuilder::onEndCData);
    XML_SetDoctypeDeclHandler(parser, &TreeBuilder::onStartDoctype, nullptr);
    XML_SetXmlDeclHandler(parser, &TreeBuilder::onXmlDeclaration);
    XML_SetProcessingInstructionHandler(parser, &TreeBuilder::onProcessingInstruction);
    XML_SetDefaultHandler(parser, &TreeBuilder::onDefault);
  }

  void setLineBreak(std::string_view lineBreak) { lineBreak_ = lineBreak; }
  XmlDocument takeDocument() { return std::move(document_); }

  // Whether the parser has just opened a Fields element that collects cells
  // and whose start tag ends at `offset` of the text fed so far.
  bool hasJustOpenedFieldsAt(std::size_t offset) const {
    return fields_ && lastStarted_ == fields_ && !open_.empty() && open_.back() == *fields_ &&
           lastStartTagEnd_ == offset;
  }

  // The cell lines in the writer's form at `offset` of the content, inside
  // the Fields element just opened, taken as the parser's events for them
  // would take them. The offset after the last of them, or nothing when the
  // node limit stops the reading, as it would stop the parser.
  std::optional<std::size_t> addCellLines(std::string_view content, std::size_t offset) {
    // Room for as many cells as the rest of the file could hold; room that
    // stays unused costs no memory.
    std::vector<XmlCell>& cells = document_.node(*fields_).cells;
    cells.reserve(cells.size() + (content.size() - offset) / shortestCellLine);
    std::size_t length = 0;
    while (const auto line = cellLineAt(content.substr(offset), length)) {
      if (nodesRead_ >= maxXmlNodes) {
        return std::nullopt;
      }
      ++nodesRead_;
      collector_->add(cellElementState(line->name), numberValue(line->x), numberValue(line->y));
      offset += length;
    }
    return offset;
  }

 private:
  // Stands in `open_` for an element or CDATA section inside the cells.
  static constexpr std::size_t passedOver = static_cast<std::size_t>(-1);

  static TreeBuilder& self(void* userData) { return *static_cast<TreeBuilder*>(userData); }

  std::size_t current() const { return open_.empty() ? XmlDocument::documentNode : open_.back(); }

  // While the Fields element that collects cells is open, all that opens
  // inside it is passed over.
  bool insideCells() const { return fields_.has_value(); }

  // Counts a new node against the limits; once one is reached, parsing
  // stops as at an error, keeping what was read.
  bool countNode(bool opens) {
    if (nodesRead_ >= maxXmlNodes || (opens && open_.size() >= maxXmlDepth)) {
      XML_StopParser(parser_, XML_FALSE);
      return false;
    }
    ++nodesRead_;
    return true;
  }

  // A new child of the current node, or nothing inside the cells or once a
  // limit is reached.
  std::optional<std::size_t> addChild(XmlNodeKind kind, const XML_Char* name, bool opens) {
    if (!countNode(opens)) {
      return std::nullopt;
    }
    if (insideCells()) {
      if (opens) {
        open_.push_back(passedOver);
      }
      return std::nullopt;
    }
    const std::size_t number = document_.addNode(current(), kind, utf8ToLatin1(name));
    if (opens) {
      open_.push_back(number);
    }
    return number;
  }

  void close() {
    if (open_.empty()) {
      return;
    }
    if (open_.back() == fields_) {
      fields_.reset();
      collector_.reset();
      takeText(true);
    }
    open_.pop_back();
  }

  // Whether the parser hands over character data and entity references.
  // Nothing inside the cells needs them, and between the cell elements of
  // a large file they are many.
  void takeText(bool take) {
    XML_SetCharacterDataHandler(parser_, take ? &TreeBuilder::onCharacterData : nullptr);
    XML_SetDefaultHandler(parser_, take ? &TreeBuilder::onDefault : nullptr);
  }

  // Parser text in the program's text, with expat's line breaks given back
  // in the file's own style.
  std::string programText(std::string_view utf8) const {
    std::string text;
    text.reserve(utf8.size());
    for (const char c : utf8) {
      if (c == '\n') {
        text += lineBreak_;
      } else {
        text += c;
      }
    }
    return utf8ToLatin1(text);
  }

  static void XMLCALL onStartElement(void* userData, const XML_Char* name, const XML_Char** atts) {
    TreeBuilder& builder = self(userData);
    if (builder.fields_ && builder.open_.back() == *builder.fields_) {
      if (builder.countNode(true)) {
        builder.addCell(name, atts);
        builder.open_.push_back(passedOver);
      }
      return;
    }
    const auto number = builder.addChild(XmlNodeKind::Element, name, true);
    if (!number) {
      return;
    }
    builder.lastStarted_ = *number;
    builder.lastStartTagEnd_ = static_cast<std::size_t>(XML_GetCurrentByteIndex(builder.parser_)) +
                               static_cast<std::size_t>(XML_GetCurrentByteCount(builder.parser_));
    XmlNode& node = builder.document_.node(*number);
    for (const XML_Char** att = atts; att[0] != nullptr; att += 2) {
      node.attributes.push_back({utf8ToLatin1(att[0]), utf8ToLatin1(att[1])});
    }
    if (builder.open_.size() == 2 && isFieldsName(node.name)) {
      builder.fields_ = *number;
      builder.collector_.emplace(node.cells);
      builder.takeText(false);
    }
  }

  // An element right inside the cell-collecting Fields element: a cell
  // element is taken, any other passed over.
  void addCell(const XML_Char* name, const XML_Char** atts) {
    const CellState state =
        name[0] != 0 && name[1] == 0 ? cellElementState(name[0]) : CellState::Dead;
    if (state == CellState::Dead) {
      return;
    }
    // Compared letter by letter: this runs for every cell of a large file.
    std::optional<long long> x;
    std::optional<long long> y;
    for (const XML_Char** att = atts; att[0] != nullptr; att += 2) {
      if (att[0][0] == 'x' && att[0][1] == 0) {
        x = coordinateValue(att[1]);
      } else if (att[0][0] == 'y' && att[0][1] == 0) {
        y = coordinateValue(att[1]);
      }
    }
    collector_->add(state, x, y);
  }

  static void XMLCALL onEndElement(void* userData, const XML_Char*) { self(userData).close(); }

  static void XMLCALL onCharacterData(void* userData, const XML_Char* data, int length) {
    TreeBuilder& builder = self(userData);
    if (builder.open_.empty()) {
      return;
    }
    builder.document_.node(builder.current()).text +=
        builder.programText(std::string_view(data, static_cast<std::size_t>(length)));
  }

  static void XMLCALL onComment(void* userData, const XML_Char* data) {
    TreeBuilder& builder = self(userData);
    if (const auto number = builder.addChild(XmlNodeKind::Comment, "", false)) {
      builder.document_.node(*number).text = builder.programText(data);
    }
  }

  static void XMLCALL onStartCData(void* userData) {
    self(userData).addChild(XmlNodeKind::CData, "", true);
  }

  static void XMLCALL onEndCData(void* userData) { self(userData).close(); }

  static void XMLCALL onStartDoctype(void* userData, const XML_Char*, const XML_Char*,
                                     const XML_Char*, int) {
    self(userData).addChild(XmlNodeKind::DocType, "", false);
  }

  // The declaration is no node; the handler only keeps it from the default
  // handler.
  static void XMLCALL onXmlDeclaration(void*, const XML_Char*, const XML_Char*, int) {}

  static void XMLCALL onProcessingInstruction(void* userData, const XML_Char* target,
                                              const XML_Char* data) {
    TreeBuilder& builder = self(userData);
    if (const auto number = builder.addChild(XmlNodeKind::ProcessingInstruction, target, false)) {
      builder.document_.node(*number).text = builder.programText(data);
    }
  }

  // Entity references inside an element, as written. Whatever else reaches
  // this handler stands outside the elements (the document type's inner
  // declarations, blanks around the root) and belongs to no text.
  static void XMLCALL onDefault(void* userData, const XML_Char* data, int length) {
    onCharacterData(userData, data, length);
  }

  XML_Parser parser_;
  XmlDocument document_;
  std::vector<std::size_t> open_;           // the elements and CDATA sections now open
  std::size_t nodesRead_ = 1;               // the nodes read so far, the document's own included
  std::optional<std::size_t> fields_;       // the Fields element now collecting cells
  std::optional<CellCollector> collector_;  // its cells
  std::string_view lineBreak_ = "\n";
  std::optional<std::size_t> lastStarted_;  // the element started last
  std::size_t lastStartTagEnd_ = 0;         // the offset after its start tag
};

struct ParserDeleter {
  void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
};

// Feeds the file to the parser in its 16384-byte pieces. Before the parser
// sees a piece, the piece is examined for the line break style, until one
// piece decides it.
class PieceFeeder {
 public:
  PieceFeeder(XML_Parser parser, TreeBuilder& builder, std::string_view content)
      : parser_(parser), builder_(builder), content_(content) {}

  // Feeds the bytes from `begin` to `end`, split where the pieces end; the
  // file's last byte goes as the final input. False once the parser has
  // stopped, at a syntax error or a limit.
  bool feed(std::size_t begin, std::size_t end) {
    if (begin == end && end == content_.size()) {
      return XML_Parse(parser_, "", 0, XML_TRUE) == XML_STATUS_OK;
    }
    for (std::size_t offset = begin; offset < end;) {
      const std::size_t piece = offset / xmlPieceBytes;
      examineUpTo(piece);
      const std::size_t pieceEnd = std::min(end, (piece + 1) * xmlPieceBytes);
      const bool last = pieceEnd == content_.size();
      if (XML_Parse(parser_, content_.data() + offset, static_cast<int>(pieceEnd - offset), last) !=
          XML_STATUS_OK) {
        return false;
      }
      offset = pieceEnd;
    }
    return true;
  }

 private:
  void examineUpTo(std::size_t piece) {
    for (; !styleKnown_ && examined_ <= piece; ++examined_) {
      const std::size_t offset = examined_ * xmlPieceBytes;
      if (offset >= content_.size()) {
        return;
      }
      const std::string_view bytes = content_.substr(offset, xmlPieceBytes);
      if (const auto style = lineBreakStyle(bytes, content_.substr(offset + bytes.size()))) {
        builder_.setLineBreak(*style);
        styleKnown_ = true;
      }
    }
  }

  XML_Parser parser_;
  TreeBuilder& builder_;
  std::string_view content_;
  std::size_t examined_ = 0;  // the pieces examined so far
  bool styleKnown_ = false;
};

// Where the cell lines of a file that this program wrote would begin: after
// the first `<Fields>`, in a file that starts as the writer starts it.
std::optional<std::size_t> writtenCellLines(std::string_view content) {
  constexpr std::string_view fieldsTag = "<Fields>";
  if (!content.starts_with(writtenLifeXmlStart)) {
    return std::nullopt;
  }
  const std::size_t tag = content.find(fieldsTag, writtenLifeXmlStart.size());
  if (tag == std::string_view::npos) {
    return std::nullopt;
  }
  return tag + fieldsTag.size();
}

}  // namespace

std::optional<XmlDocument> parseLifeXml(std::string_view content) {
  if (content.empty()) {
    return std::nullopt;
  }
  // No encoding is forced: expat finds it from the byte-order mark or the
  // declaration.
  const std::unique_ptr<XML_ParserStruct, ParserDeleter> parser(XML_ParserCreate(nullptr));
  if (!parser) {
    return std::nullopt;
  }
  TreeBuilder builder(parser.get());
  PieceFeeder feeder(parser.get(), builder, content);
  // The cell lines of a written file are read directly, which is many times
  // faster than the parser's events for them, once the parser has confirmed
  // that they stand right inside the Fields element that `<Fields>` opens.
  const auto cells = writtenCellLines(content);
  if (!cells) {
    feeder.feed(0, content.size());
    return builder.takeDocument();
  }
  if (!feeder.feed(0, *cells)) {
    return builder.takeDocument();
  }
  std::size_t rest = *cells;
  if (builder.hasJustOpenedFieldsAt(*cells)) {
    const auto end = builder.addCellLines(content, *cells);
    if (!end) {
      return builder.takeDocument();
    }
    rest = *end;
  }
  feeder.feed(rest, content.size());
  return builder.takeDocument();
}

}  // namespace orvalis
