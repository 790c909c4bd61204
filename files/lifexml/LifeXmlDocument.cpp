#include "files/lifexml/LifeXmlDocument.h"

#include <algorithm>

#include "files/FileMessages.h"
#include "files/lifexml/CommentContent.h"
#include "files/lifexml/LifeXmlReader.h"
#include "settings/Text.h"

namespace orvalis {
namespace {

class DocumentBuilder {
 public:
  DocumentBuilder(ReadMode mode, PatternDocument& document)
      : full_(mode == ReadMode::Full), document_(document) {}

  void addChild(const XmlNode& child) {
    const std::string name = lowerCase(child.name);
    DocumentDetails& details = document_.details;
    if (name == "intervall" || name == "interval") {
      addNumber(child, "ms", GadgetId::IntervalSpin);
    } else if (name == "dimensionen" || name == "dimensions") {
      addNumber(child, "x", GadgetId::SizeXSpin);
      addNumber(child, "y", GadgetId::SizeYSpin);
    } else if (name == "optionen" || name == "options") {
      addNumber(child, "grid", GadgetId::GridCheck);
      addNumber(child, "infinite", GadgetId::InfiniteCheck);
      addNumber(child, "hide", GadgetId::HideCheck);
    } else if (name == "comment") {
      if (full_) {
        details.comment = commentFromContent(child.text);
      }
    } else if (name == "author") {
      details.author = std::string(attributeValue(child, "name"));
    } else if (name == "source") {
      const std::string_view url = attributeValue(child, "url");
      if (!url.empty()) {
        details.source = std::string(url);
      }
    } else if (name == "date") {
      if (full_) {
        details.date = numberValue(attributeValue(child, "d"));
      }
    } else if (isFieldsName(name)) {
      if (full_) {
        addCells(child);
      }
    }
  }

 private:
  // Missing and empty attributes leave the gadget as it is.
  void addNumber(const XmlNode& node, std::string_view attribute, GadgetId id) {
    const std::string_view value = attributeValue(node, attribute);
    if (!value.empty()) {
      document_.settings.push_back({id, numberValue(value)});
    }
  }

  // Later cell elements for the same cell win, as they do when applied one
  // after the other.
  void addCells(const XmlNode& fields) {
    PatternCells cells;
    for (const XmlCell& cell : fields.cells) {
      cells.width = std::max(cells.width, cell.x + 1);
      cells.height = std::max(cells.height, cell.y + 1);
    }
    cells.states.assign(static_cast<std::size_t>(cells.width) * cells.height, CellState::Dead);
    for (const XmlCell& cell : fields.cells) {
      cells.states[static_cast<std::size_t>(cell.y) * cells.width + cell.x] = cell.state;
    }
    document_.cells = std::move(cells);
  }

  bool full_;
  PatternDocument& document_;
};

UserMessage noRootMessage() {
  return {"Ungültiges XML - Dokument, Keine MainNode", "Orvalis", MessageIcon::None,
          MessageButtons::Ok};
}

UserMessage foreignRootMessage() {
  return {"Falsches XML - Format", "Orvalis", MessageIcon::Error, MessageButtons::Ok};
}

UserMessage emptyDocumentMessage() {
  return {"Leeres XML - Dokument", "Orvalis", MessageIcon::None, MessageButtons::Ok};
}

}  // namespace

bool hasLifeXmlRoot(const XmlDocument& document) {
  const std::optional<std::size_t> root = document.rootElement();
  return root && lowerCase(document.node(*root).name) == "orvalis";
}

DocumentReading lifeXmlDocument(const XmlDocument& tree, ReadMode mode) {
  const std::optional<std::size_t> root = tree.rootElement();
  if (!root) {
    return refusedWith(noRootMessage());
  }
  if (!hasLifeXmlRoot(tree)) {
    return refusedWith(foreignRootMessage());
  }
  PatternDocument document;
  if (mode == ReadMode::Full) {
    document.details = {"", "", "", 0, std::nullopt};
  }
  const XmlNode& rootNode = tree.node(*root);
  if (rootNode.children.empty()) {
    document.effect = LoadEffect::Nothing;
    return {std::move(document), emptyDocumentMessage()};
  }
  DocumentBuilder builder(mode, document);
  for (const std::size_t number : rootNode.children) {
    builder.addChild(tree.node(number));
  }
  return {std::move(document), std::nullopt};
}

DocumentReading readLifeXmlBytes(std::string_view bytes, ReadMode mode) {
  const auto tree = parseLifeXml(bytes);
  return tree ? lifeXmlDocument(*tree, mode) : refusedWith(lifeXmlLoadFailedMessage());
}

}  // namespace orvalis
