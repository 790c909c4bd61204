#include "files/lifexml/XmlDocument.h"

#include <utility>

#include "settings/Text.h"

namespace orvalis {

bool isFieldsName(std::string_view name) {
  const std::string lower = lowerCase(name);
  return lower == "felder" || lower == "fields";
}

std::string_view attributeValue(const XmlNode& node, std::string_view name) {
  for (const XmlAttribute& attribute : node.attributes) {
    if (attribute.name == name) {
      return attribute.value;
    }
  }
  return {};
}

XmlDocument::XmlDocument() {
  nodes_.push_back(XmlNode{XmlNodeKind::Document, {}, {}, {}, {}, {}});
}

std::size_t XmlDocument::addNode(std::size_t parent, XmlNodeKind kind, std::string name) {
  const std::size_t number = nodes_.size();
  nodes_.push_back(XmlNode{kind, std::move(name), {}, {}, {}, {}});
  nodes_[parent].children.push_back(number);
  if (kind == XmlNodeKind::Element && !root_) {
    root_ = number;
  }
  return number;
}

}  // namespace orvalis
