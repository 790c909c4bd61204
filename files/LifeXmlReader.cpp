#include "files/LifeXmlReader.h"

#include <expat.h>

#include <memory>
#include <utility>
#include <vector>

#include "files/LineBreakStyle.h"
#include "files/RegularFile.h"
#include "files/TextEncoding.h"

namespace orvalis {
namespace {

// Builds the tree from expat's events. Internal entity references are not
// expanded: with a default handler set, expat hands them on as written and
// they join the current element's text. No external entity handler is ever
// set, so nothing outside the file is read.
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

 private:
  static TreeBuilder& self(void* userData) { return *static_cast<TreeBuilder*>(userData); }

  std::size_t current() const { return open_.empty() ? XmlDocument::documentNode : open_.back(); }

  // A new child of the current node, or nothing once a limit is reached;
  // then parsing stops as at an error, keeping what was read.
  std::optional<std::size_t> addChild(XmlNodeKind kind, std::string name, bool opens) {
    if (document_.nodeCount() >= maxXmlNodes || (opens && open_.size() >= maxXmlDepth)) {
      XML_StopParser(parser_, XML_FALSE);
      return std::nullopt;
    }
    const std::size_t number = document_.addNode(current(), kind, std::move(name));
    if (opens) {
      open_.push_back(number);
    }
    return number;
  }

  void close() {
    if (!open_.empty()) {
      open_.pop_back();
    }
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
    const auto number = builder.addChild(XmlNodeKind::Element, utf8ToLatin1(name), true);
    if (!number) {
      return;
    }
    std::vector<XmlAttribute>& attributes = builder.document_.node(*number).attributes;
    for (const XML_Char** att = atts; att[0] != nullptr; att += 2) {
      attributes.push_back({utf8ToLatin1(att[0]), utf8ToLatin1(att[1])});
    }
  }

  static void XMLCALL onEndElement(void* userData, const XML_Char*) { self(userData).close(); }

  static void XMLCALL onCharacterData(void* userData, const XML_Char* data, int length) {
    TreeBuilder& builder = self(userData);
    builder.document_.node(builder.current()).text +=
        builder.programText(std::string_view(data, static_cast<std::size_t>(length)));
  }

  static void XMLCALL onComment(void* userData, const XML_Char* data) {
    TreeBuilder& builder = self(userData);
    if (const auto number = builder.addChild(XmlNodeKind::Comment, {}, false)) {
      builder.document_.node(*number).text = builder.programText(data);
    }
  }

  static void XMLCALL onStartCData(void* userData) {
    self(userData).addChild(XmlNodeKind::CData, {}, true);
  }

  static void XMLCALL onEndCData(void* userData) { self(userData).close(); }

  static void XMLCALL onStartDoctype(void* userData, const XML_Char*, const XML_Char*,
                                     const XML_Char*, int) {
    self(userData).addChild(XmlNodeKind::DocType, {}, false);
  }

  // The declaration is no node; the handler only keeps it from the default
  // handler.
  static void XMLCALL onXmlDeclaration(void*, const XML_Char*, const XML_Char*, int) {}

  static void XMLCALL onProcessingInstruction(void* userData, const XML_Char* target,
                                              const XML_Char* data) {
    TreeBuilder& builder = self(userData);
    if (const auto number =
            builder.addChild(XmlNodeKind::ProcessingInstruction, utf8ToLatin1(target), false)) {
      builder.document_.node(*number).text = builder.programText(data);
    }
  }

  // Entity references inside an element, as written. Whatever else reaches
  // this handler stands outside the elements (the document type's inner
  // declarations, blanks around the root) and belongs to no text.
  static void XMLCALL onDefault(void* userData, const XML_Char* data, int length) {
    TreeBuilder& builder = self(userData);
    if (!builder.open_.empty()) {
      onCharacterData(userData, data, length);
    }
  }

  XML_Parser parser_;
  XmlDocument document_;
  std::vector<std::size_t> open_;  // the elements and CDATA sections now open
  std::string_view lineBreak_ = "\n";
};

struct ParserDeleter {
  void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
};

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
  bool lineBreakKnown = false;
  for (std::size_t offset = 0; offset < content.size(); offset += xmlPieceBytes) {
    const std::string_view piece = content.substr(offset, xmlPieceBytes);
    const std::string_view following = content.substr(offset + piece.size());
    if (!lineBreakKnown) {
      if (const auto style = lineBreakStyle(piece, following)) {
        builder.setLineBreak(*style);
        lineBreakKnown = true;
      }
    }
    const bool last = following.empty();
    if (XML_Parse(parser.get(), piece.data(), static_cast<int>(piece.size()), last) !=
        XML_STATUS_OK) {
      break;  // a syntax error or a limit: keep the tree read so far
    }
  }
  return builder.takeDocument();
}

std::optional<XmlDocument> readLifeXml(const std::string& path) {
  const auto content = readRegularFile(path, maxPatternFileBytes);
  if (!content) {
    return std::nullopt;
  }
  return parseLifeXml(*content);
}

}  // namespace orvalis
