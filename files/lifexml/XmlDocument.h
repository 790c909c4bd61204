#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvalis {

enum class XmlNodeKind { Document, Element, Comment, CData, DocType, ProcessingInstruction };

struct XmlAttribute {
  std::string name;
  std::string value;
  friend bool operator==(const XmlAttribute&, const XmlAttribute&) = default;
};

// One node of a read LifeXML document. Names, values and texts are in the
// program's ISO-8859-1 text. Comments, CDATA sections and document type
// declarations have no name; a processing instruction is named by its target.
struct XmlNode {
  XmlNodeKind kind = XmlNodeKind::Element;
  std::string name;
  std::vector<XmlAttribute> attributes;
  std::vector<std::size_t> children;  // node numbers, in document order
  std::string text;                   // the character data directly inside
  friend bool operator==(const XmlNode&, const XmlNode&) = default;
};

// The value of the attribute with exactly this name; a missing attribute
// reads as the empty text.
std::string_view attributeValue(const XmlNode& node, std::string_view name);

// A document tree kept as one flat list of nodes that refer to their
// children by number, so that neither building nor freeing it recurses,
// however deep the nesting.
class XmlDocument {
 public:
  static constexpr std::size_t documentNode = 0;

  XmlDocument();

  // Appends a new node as the last child of `parent` and returns its number.
  // The first element added becomes the root element.
  std::size_t addNode(std::size_t parent, XmlNodeKind kind, std::string name);

  // Room for this many nodes in all, so that a large document is not moved
  // while it grows.
  void reserve(std::size_t nodes) { nodes_.reserve(nodes); }

  XmlNode& node(std::size_t number) { return nodes_[number]; }
  const XmlNode& node(std::size_t number) const { return nodes_[number]; }
  std::size_t nodeCount() const { return nodes_.size(); }

  // The first element that the parser started.
  std::optional<std::size_t> rootElement() const { return root_; }

  friend bool operator==(const XmlDocument&, const XmlDocument&) = default;

 private:
  std::vector<XmlNode> nodes_;
  std::optional<std::size_t> root_;
};

}  // namespace orvalis
