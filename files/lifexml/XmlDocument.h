#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/CellGrid.h"

namespace orvalis {

enum class XmlNodeKind { Document, Element, Comment, CData, DocType, ProcessingInstruction };

struct XmlAttribute {
  std::string name;
  std::string value;
  friend bool operator==(const XmlAttribute&, const XmlAttribute&) = default;
};

// A cell element of a Fields element, resolved to the grid cell it sets.
struct XmlCell {
  std::int16_t x;
  std::int16_t y;
  CellState state;
  friend bool operator==(const XmlCell&, const XmlCell&) = default;
};

// One node of a read LifeXML document. Names, values and texts are in the
// program's ISO-8859-1 text. Comments, CDATA sections and document type
// declarations have no name; a processing instruction is named by its target.
//
// A Fields (Felder) element right inside the root element keeps no content:
// a large pattern has a cell element for every cell, and a node for each
// would cost many times the file's size. Its cell elements become `cells`
// as they are read, everything else in it is passed over.
struct XmlNode {
  XmlNodeKind kind = XmlNodeKind::Element;
  std::string name;
  std::vector<XmlAttribute> attributes;
  std::vector<std::size_t> children;  // node numbers, in document order
  std::string text;                   // the character data directly inside
  std::vector<XmlCell> cells;         // in document order
  friend bool operator==(const XmlNode&, const XmlNode&) = default;
};

// Whether an element of this name (any case, also in German) is the one
// that holds the cells.
bool isFieldsName(std::string_view name);

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
