#include "files/lifexml/LifeXmlApply.h"

#include "engine/FieldCommands.h"
#include "files/io/TextEncoding.h"
#include "files/lifexml/CommentContent.h"
#include "settings/Text.h"

namespace orvalis {
namespace {

class DocumentApplier {
 public:
  DocumentApplier(ApplyMode mode, GadgetAccess& gadgets, CellGrid& grid)
      : full_(mode == ApplyMode::Full), gadgets_(gadgets), grid_(grid) {}

  void applyChild(const XmlNode& child) {
    const std::string name = lowerCase(child.name);
    if (name == "intervall" || name == "interval") {
      setNumber(child, "ms", GadgetId::IntervalSpin);
    } else if (name == "dimensionen" || name == "dimensions") {
      setNumber(child, "x", GadgetId::SizeXSpin);
      setNumber(child, "y", GadgetId::SizeYSpin);
    } else if (name == "optionen" || name == "options") {
      setNumber(child, "grid", GadgetId::GridCheck);
      setNumber(child, "infinite", GadgetId::InfiniteCheck);
      setNumber(child, "hide", GadgetId::HideCheck);
    } else if (name == "comment") {
      if (full_) {
        gadgets_.setGadgetText(GadgetId::CommentEditor, commentFromContent(child.text));
      }
    } else if (name == "author") {
      gadgets_.setGadgetText(GadgetId::AuthorField, std::string(attributeValue(child, "name")));
    } else if (name == "source") {
      const std::string_view url = attributeValue(child, "url");
      if (!url.empty()) {
        gadgets_.setGadgetText(GadgetId::SourceField, std::string(url));
      }
    } else if (name == "date") {
      if (full_) {
        gadgets_.setGadgetValue(GadgetId::DateField, numberValue(attributeValue(child, "d")));
      }
    } else if (isFieldsName(name)) {
      if (full_) {
        readCells(child);
      }
    }
  }

 private:
  // Missing and empty attributes leave the gadget as it is.
  void setNumber(const XmlNode& node, std::string_view attribute, GadgetId id) {
    const std::string_view value = attributeValue(node, attribute);
    if (!value.empty()) {
      gadgets_.setGadgetValue(id, numberValue(value));
    }
  }

  // The cells are resolved as read; each Fields element starts afresh.
  void readCells(const XmlNode& fields) {
    clearAll(grid_);
    for (const XmlCell& cell : fields.cells) {
      Cell& target = grid_.at(cell.x, cell.y);
      target.state = cell.state;
      target.remembered = cell.state;
    }
  }

  bool full_;
  GadgetAccess& gadgets_;
  CellGrid& grid_;
};

}  // namespace

bool hasLifeXmlRoot(const XmlDocument& document) {
  const std::optional<std::size_t> root = document.rootElement();
  return root && lowerCase(document.node(*root).name) == "orvalis";
}

ApplyResult applyLifeXml(const XmlDocument& document, ApplyMode mode, const std::string& path,
                         GadgetAccess& gadgets, CellGrid& grid) {
  const std::optional<std::size_t> root = document.rootElement();
  if (!root) {
    return ApplyResult::NoRootElement;
  }
  if (!hasLifeXmlRoot(document)) {
    return ApplyResult::WrongRootElement;
  }
  const XmlNode& rootNode = document.node(*root);
  if (mode == ApplyMode::Full) {
    gadgets.setGadgetText(GadgetId::FileNameField, fileNameText(path));
    gadgets.setGadgetText(GadgetId::CommentEditor, "");
    gadgets.setGadgetText(GadgetId::AuthorField, "");
    gadgets.setGadgetValue(GadgetId::DateField, 0);
    gadgets.setGadgetText(GadgetId::SourceField, "");
  }
  if (rootNode.children.empty()) {
    return ApplyResult::EmptyDocument;
  }
  DocumentApplier applier(mode, gadgets, grid);
  for (const std::size_t number : rootNode.children) {
    applier.applyChild(document.node(number));
  }
  return ApplyResult::Applied;
}

std::optional<UserMessage> applyResultMessage(ApplyResult result) {
  switch (result) {
    case ApplyResult::Applied:
      return std::nullopt;
    case ApplyResult::NoRootElement:
      return UserMessage{"Ungültiges XML - Dokument, Keine MainNode", "Orvalis", MessageIcon::None,
                         MessageButtons::Ok};
    case ApplyResult::WrongRootElement:
      return UserMessage{"Falsches XML - Format", "Orvalis", MessageIcon::Error,
                         MessageButtons::Ok};
    case ApplyResult::EmptyDocument:
      return UserMessage{"Leeres XML - Dokument", "Orvalis", MessageIcon::None, MessageButtons::Ok};
  }
  return std::nullopt;
}

}  // namespace orvalis
