#include "shell/editing/FieldEditing.h"

#include "files/clipboard/ClipboardPattern.h"
#include "settings/GadgetAccess.h"
#include "shell/editing/ShortcutHelp.h"
#include "shell/panel/ControlPanel.h"
#include "view/FieldView.h"

namespace orvalis {
namespace {

std::optional<BlockTurn> blockTurn(EditCommand command) {
  switch (command) {
    case EditCommand::FlipLeftRight:
      return BlockTurn::FlipLeftRight;
    case EditCommand::FlipTopBottom:
      return BlockTurn::FlipTopBottom;
    case EditCommand::RotateClockwise:
      return BlockTurn::RotateClockwise;
    case EditCommand::RotateAnticlockwise:
      return BlockTurn::RotateAnticlockwise;
    default:
      return std::nullopt;
  }
}

PasteMode followingMode(PasteMode mode) {
  switch (mode) {
    case PasteMode::Or:
      return PasteMode::Copy;
    case PasteMode::Copy:
      return PasteMode::Xor;
    case PasteMode::Xor:
      break;
  }
  return PasteMode::Or;
}

}  // namespace

FieldEditing::FieldEditing(LifeField& field, ControlPanel& panel, FieldView& view, Random& random,
                           platform::DesktopServices& desktop, platform::MessageBoxes& messages)
    : field_(field),
      panel_(panel),
      view_(view),
      random_(random),
      desktop_(desktop),
      messages_(messages) {
  startHistory();
}

FieldEditing::~FieldEditing() = default;

void FieldEditing::run(EditCommand command) {
  switch (command) {
    case EditCommand::Copy:
    case EditCommand::CopyPlaintext:
      copy(command == EditCommand::CopyPlaintext);
      return;
    case EditCommand::Help:
      showHelp();
      return;
    default:
      break;
  }
  if (running()) {
    return;
  }
  switch (command) {
    case EditCommand::Paste:
      paste();
      break;
    case EditCommand::Cancel:
      cancel();
      break;
    case EditCommand::NextPasteMode:
      nextPasteMode();
      break;
    case EditCommand::Undo:
      travel(&FieldHistory::undo);
      break;
    case EditCommand::Redo:
      travel(&FieldHistory::redo);
      break;
    case EditCommand::StepBack:
      travel(&FieldHistory::stepBack);
      break;
    case EditCommand::FlipLeftRight:
    case EditCommand::FlipTopBottom:
    case EditCommand::RotateClockwise:
    case EditCommand::RotateAnticlockwise:
      turn(command);
      break;
    default:
      changeSelection(command);
      break;
  }
}

void FieldEditing::startHistory() {
  history_.reset(field_, visibleSize());
}

void FieldEditing::recordCommand(GadgetId id) {
  const bool generations = id == GadgetId::StepButton || id == GadgetId::ScreenButton;
  record(generations ? HistoryKind::Generation : HistoryKind::Edit, true);
}

void FieldEditing::recordEdit() {
  record(HistoryKind::Edit, false);
}

void FieldEditing::recordGeneration(bool startsRun) {
  record(HistoryKind::Generation, startsRun);
}

void FieldEditing::record(HistoryKind kind, bool startsRun) {
  if (history_.record(field_, visibleSize(), kind, startsRun) && recordHandler_) {
    recordHandler_(kind);
  }
}

void FieldEditing::simulationStarted() {
  if (view_.selectionEditor().floating()) {
    view_.selectionEditor().cancelFloating();
    fieldChanged();
  }
}

bool FieldEditing::running() const {
  return panel_.gadgets().gadgetValue(GadgetId::StartToggle) != 0;
}

FieldSize FieldEditing::visibleSize() const {
  return visibleFieldSize(panel_.gadgets());
}

// Without a selection the whole visible field is copied.
void FieldEditing::copy(bool plaintext) {
  const FieldSize size = visibleSize();
  const CellRect rect =
      view_.selectionEditor().selection().value_or(CellRect{0, 0, size.columns, size.rows});
  const CellBlock block = copyBlock(field_.cells, rect);
  const std::string comment = panel_.gadgets().gadgetText(GadgetId::CommentEditor);
  desktop_.copyPatternText(plaintext ? clipboardPlaintext(block, comment)
                                     : clipboardRle(block, comment));
}

void FieldEditing::paste() {
  const ClipboardReading reading = readClipboardPattern(desktop_.clipboardText(), visibleSize());
  if (reading.message) {
    messages_.show(&view_, *reading.message);
    return;
  }
  view_.selectionEditor().startFloating(*reading.block, pasteMode_);
}

void FieldEditing::turn(EditCommand command) {
  const BlockTurn turn = *blockTurn(command);
  SelectionEditor& editor = view_.selectionEditor();
  if (editor.floating()) {
    editor.turnFloating(turn);
    return;
  }
  if (!editor.selection()) {
    return;
  }
  const CellRect from = *editor.selection();
  const CellRect to = turnedRect(from, turn);
  const CellBlock turned = turnedBlock(copyBlock(field_.cells, from), turn);
  const FieldSize size = visibleSize();
  if (to != from) {
    clearInside(field_, size, from);
  }
  placeBlock(field_, size, turned, to.x, to.y, PasteMode::Copy);
  editor.setSelection(to.clippedTo(size));
  fieldChanged();
}

void FieldEditing::changeSelection(EditCommand command) {
  SelectionEditor& editor = view_.selectionEditor();
  if (!editor.selection() || editor.floating()) {
    return;
  }
  const CellRect rect = *editor.selection();
  const FieldSize size = visibleSize();
  switch (command) {
    case EditCommand::Cut:
      copy(false);
      clearInside(field_, size, rect);
      break;
    case EditCommand::ClearInside:
      clearInside(field_, size, rect);
      break;
    case EditCommand::ClearOutside:
      clearOutside(field_, size, rect);
      break;
    case EditCommand::RandomFill: {
      const auto percent =
          static_cast<int>(panel_.gadgets().gadgetValue(GadgetId::RandomPercentSpin));
      placeBlock(field_, size, randomBlock(rect.width, rect.height, percent, random_), rect.x,
                 rect.y, PasteMode::Copy);
      break;
    }
    default:
      return;
  }
  fieldChanged();
}

void FieldEditing::cancel() {
  SelectionEditor& editor = view_.selectionEditor();
  if (editor.floating()) {
    editor.cancelFloating();
    fieldChanged();
  } else {
    editor.setSelection(std::nullopt);
  }
}

void FieldEditing::nextPasteMode() {
  pasteMode_ = followingMode(pasteMode_);
  view_.selectionEditor().setPasteMode(pasteMode_);
}

void FieldEditing::travel(std::optional<FieldSize> (FieldHistory::*move)(LifeField&, FieldSize)) {
  SelectionEditor& editor = view_.selectionEditor();
  editor.cancelFloating();
  const FieldSize before = visibleSize();
  const std::optional<FieldSize> after = (history_.*move)(field_, before);
  if (!after) {
    return;
  }
  if (*after != before) {
    GadgetLayer& gadgets = panel_.gadgets();
    {
      const auto held = gadgets.holdNotifications();
      gadgets.setGadgetValue(GadgetId::SizeXSpin, after->columns);
      gadgets.setGadgetValue(GadgetId::SizeYSpin, after->rows);
    }
    view_.setFieldSize(after->columns, after->rows);
  }
  if (editor.selection()) {
    const CellRect kept = editor.selection()->clippedTo(*after);
    editor.setSelection(kept.isEmpty() ? std::nullopt : std::optional<CellRect>(kept));
  }
  view_.invalidateAll();
  if (recordHandler_) {
    recordHandler_(HistoryKind::Edit);
  }
  panel_.showFieldStatus();
}

void FieldEditing::showHelp() {
  if (help_ == nullptr) {
    help_ = new ShortcutHelpWindow(&view_);
  }
  help_->show();
  help_->raise();
  help_->activateWindow();
}

void FieldEditing::fieldChanged() {
  view_.invalidateAll();
  recordEdit();
  panel_.showFieldStatus();
}

}  // namespace orvalis
