#pragma once

#include <functional>
#include <optional>
#include <span>

#include "shell/startup/KeyCommandFilter.h"

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
  ShowPopulation,
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
// field gets them (then only F1).
class EditingKeyFilter : public KeyCommandFilter {
 public:
  explicit EditingKeyFilter(std::function<void(EditCommand)> dispatch);

 protected:
  std::function<void()> commandOf(const QObject* receiver, const QKeyEvent& key) override;

 private:
  std::function<void(EditCommand)> dispatch_;
};

}  // namespace orvalis
