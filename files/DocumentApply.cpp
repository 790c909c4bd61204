#include "files/DocumentApply.h"

#include "engine/FieldCommands.h"
#include "engine/Population.h"

namespace orvalis {
namespace {

void applySetting(const SettingAssignment& setting, GadgetAccess& gadgets) {
  if (setting.text) {
    gadgets.setGadgetText(setting.gadget, *setting.text);
  } else {
    gadgets.setGadgetValue(setting.gadget, setting.number);
  }
}

void applyText(const std::optional<std::string>& text, GadgetId gadget, GadgetAccess& gadgets) {
  if (text) {
    gadgets.setGadgetText(gadget, *text);
  }
}

void applyDetails(const DocumentDetails& details, GadgetAccess& gadgets) {
  applyText(details.fileName, GadgetId::FileNameField, gadgets);
  applyText(details.comment, GadgetId::CommentEditor, gadgets);
  applyText(details.author, GadgetId::AuthorField, gadgets);
  applyText(details.source, GadgetId::SourceField, gadgets);
  if (details.date) {
    gadgets.setGadgetValue(GadgetId::DateField, *details.date);
  }
}

void applyCells(const PatternCells& cells, CellGrid& grid) {
  if (cells.clearsGrid) {
    clearAll(grid);
  }
  for (int y = 0; y < cells.height; ++y) {
    for (int x = 0; x < cells.width; ++x) {
      Cell& cell = grid.at(x, y);
      cell.state = cells.at(x, y);
      cell.remembered = cell.state;
      cell.pending = PendingMark::None;
    }
  }
}

}  // namespace

void placeDocument(const PatternDocument& document, GadgetAccess& gadgets, CellGrid& grid) {
  for (const SettingAssignment& setting : document.settings) {
    applySetting(setting, gadgets);
  }
  applyDetails(document.details, gadgets);
  if (document.cells) {
    applyCells(*document.cells, grid);
  }
}

void applyDocument(const PatternDocument& document, GadgetAccess& gadgets, LifeField& field) {
  placeDocument(document, gadgets, field.cells);
  if (document.effect == LoadEffect::Nothing) {
    return;
  }
  if (document.effect == LoadEffect::JudgeLoadedCells) {
    field.fieldEdited = true;
  }
  restartGenerations(field, visibleFieldSize(gadgets));
}

PatternDocument fieldDocument(GadgetAccess& gadgets, const CellGrid& grid) {
  const FieldSize size = visibleFieldSize(gadgets);
  PatternDocument document;
  document.settings = {
      {GadgetId::IntervalSpin, gadgets.gadgetText(GadgetId::IntervalSpin)},
      {GadgetId::SizeXSpin, size.columns},
      {GadgetId::SizeYSpin, size.rows},
      {GadgetId::GridCheck, gadgets.gadgetValue(GadgetId::GridCheck)},
      {GadgetId::InfiniteCheck, gadgets.gadgetValue(GadgetId::InfiniteCheck)},
      {GadgetId::HideCheck, gadgets.gadgetValue(GadgetId::HideCheck)},
  };
  document.details = {gadgets.gadgetText(GadgetId::CommentEditor),
                      gadgets.gadgetText(GadgetId::AuthorField),
                      gadgets.gadgetText(GadgetId::SourceField),
                      gadgets.gadgetValue(GadgetId::DateField), std::nullopt};
  PatternCells cells{size.columns, size.rows, {}, true};
  cells.states.reserve(static_cast<std::size_t>(size.columns) * size.rows);
  for (int y = 0; y < size.rows; ++y) {
    for (int x = 0; x < size.columns; ++x) {
      cells.states.push_back(grid.at(x, y).state);
    }
  }
  document.cells = std::move(cells);
  return document;
}

}  // namespace orvalis
