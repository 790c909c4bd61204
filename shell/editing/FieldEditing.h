#pragma once

#include <functional>

#include "engine/CellBlock.h"
#include "engine/FieldHistory.h"
#include "engine/Random.h"
#include "platform/DesktopServices.h"
#include "platform/MessageBoxes.h"
#include "settings/GadgetId.h"
#include "shell/editing/EditingKeys.h"

namespace orvalis {

class ControlPanel;
class FieldView;
class ShortcutHelpWindow;
struct LifeField;

// The editing commands of the keys beside the panel's: the clipboard, the
// selection's commands, paste, undo, redo and step back, and the history
// that every change of the field goes into. Commands that change cells do
// nothing while the simulation runs.
class FieldEditing {
 public:
  FieldEditing(LifeField& field, ControlPanel& panel, FieldView& view, Random& random,
               platform::DesktopServices& desktop, platform::MessageBoxes& messages);
  ~FieldEditing();

  void run(EditCommand command);

  // The field as it stands is the start of the history: nothing to undo.
  void startHistory();
  // After a panel command: what it changed is one step (a generation for
  // "Schritt", the generations of the presentation as one run).
  void recordCommand(GadgetId id);
  // After a mouse edit, a file opened by name, a tick of the simulation.
  void recordEdit();
  void recordGeneration(bool startsRun);
  // The simulation starts: a floating pattern is dropped.
  void simulationStarted();
  // Told after every change that went into the history, with its kind;
  // undo, redo and step back are edits.
  void setRecordHandler(std::function<void(HistoryKind)> handler) {
    recordHandler_ = std::move(handler);
  }

  const FieldHistory& history() const { return history_; }

 private:
  bool running() const;
  FieldSize visibleSize() const;
  void copy(bool plaintext);
  void paste();
  void turn(EditCommand command);
  void changeSelection(EditCommand command);
  void cancel();
  void nextPasteMode();
  // Undo, redo or step back: the field, its size on the panel and the view.
  void travel(std::optional<FieldSize> (FieldHistory::*move)(LifeField&, FieldSize));
  void showHelp();
  void fieldChanged();
  void record(HistoryKind kind, bool startsRun);

  LifeField& field_;
  ControlPanel& panel_;
  FieldView& view_;
  Random& random_;
  platform::DesktopServices& desktop_;
  platform::MessageBoxes& messages_;
  FieldHistory history_;
  PasteMode pasteMode_ = PasteMode::Or;
  ShortcutHelpWindow* help_ = nullptr;  // owned by the main window, made when first shown
  std::function<void(HistoryKind)> recordHandler_;
};

}  // namespace orvalis
