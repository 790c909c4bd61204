#pragma once

#include <QObject>
#include <functional>
#include <optional>
#include <span>

class QKeyEvent;

namespace orvalis {

// The editing commands beside the panel's.
enum class EditCommand {
  Copy,
  CopyPlaintext,
  Cut,
  Paste,
  ClearInside,
  ClearOutside,
  RandomFill,
  FlipLeftRight,
  FlipTopBottom,
  RotateClockwise,
  RotateAnticlockwise,
  NextPasteMode,
  Cancel,
  Undo,
  Redo,
  StepBack,
  Help,
};

// One key of an editing command. `key` is a Qt::Key; `modifiers` must be
// held exactly, except that a key given as a symbol (">", "<") ignores Shift,
// which some keyboards need to type it.
struct EditingKey {
  int key;
  int modifiers;
  EditCommand command;
  const char* description;  // as the help window lists it, UTF-8
};

// Every editing key, in the order the help window lists them.
std::span<const EditingKey> editingKeys();

// The editing command of a key press, or nothing.
std::optional<EditCommand> editingCommand(const QKeyEvent& event);

// Takes the editing keys in every window of the program, unless a text
// field has the focus (then only F1), a modal dialog runs, or the filter is
// suspended (the presentation).
class EditingKeyFilter : public QObject {
 public:
  explicit EditingKeyFilter(std::function<void(EditCommand)> dispatch);
  void setSuspended(bool suspended) { suspended_ = suspended; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void(EditCommand)> dispatch_;
  bool suspended_ = false;
};

}  // namespace orvalis
