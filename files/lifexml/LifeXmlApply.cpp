#include "files/lifexml/LifeXmlApply.h"

#include "engine/FieldCommands.h"
#include "engine/Text.h"
#include "files/io/TextEncoding.h"
#include "files/lifexml/CommentContent.h"

namespace orvalis {
namespace {

class DocumentApplier {
 public:
  DocumentApplier(const XmlDocument& document, ApplyMode mode, GadgetAccess& gadgets,
                  CellGrid& grid)
      : document_(document), full_(mode == ApplyMode::Full), gadgets_(gadgets), grid_(grid) {}

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
    } else if (name == "felder" || name == "fields") {
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

  // A cell element without x or y keeps the column or row of the previous
  // one. An element that addresses no cell of the grid (a coordinate outside
  // 0..499, or none known yet) is skipped.
  void readCells(const XmlNode& fields) {
    clearAll(grid_);
    std::optional<long long> x;
    std::optional<long long> y;
    for (const std::size_t number : fields.children) {
      const XmlNode& child = document_.node(number);
      const std::string name = lowerCase(child.name);
      CellState state;
      if (name == "f") {
        state = CellState::Alive;
      } else if (name == "s") {
        state = CellState::Static;
      } else if (name == "e") {
        state = CellState::Blocked;
      } else {
        continue;
      }
      if (const std::string_view value = attributeValue(child, "x"); !value.empty()) {
        x = numberValue(value);
      }
      if (const std::string_view value = attributeValue(child, "y"); !value.empty()) {
        y = numberValue(value);
      }
      if (x && y && *x >= 0 && *x < gridColumns && *y >= 0 && *y < gridRows) {
        Cell& cell = grid_.at(static_cast<int>(*x), static_cast<int>(*y));
        cell.state = state;
        cell.remembered = state;
      }
    }
  }

  const XmlDocument& document_;
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
  DocumentApplier applier(document, mode, gadgets, grid);
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
