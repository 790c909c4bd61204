#pragma once

#include <optional>

#include "engine/RepeatSearch.h"
#include "settings/GadgetAccess.h"
#include "shell/panel/GadgetLayer.h"
#include "shell/panel/PanelHooks.h"
#include "shell/panel/ToolWindow.h"

namespace orvalis {

class FieldView;
class Random;
struct LifeField;

// How a command reached the panel: from its control (a click, a change) or
// from a Ctrl key, which leaves toggles and check boxes to the panel to flip.
enum class CommandSource { Control, Accelerator };

// The tool window "Life Ctrl": every setting of the program and the one hub
// through which all commands pass.
class ControlPanel : public ToolWindow {
 public:
  // The panel belongs to the main window; the field commands work on
  // `field` and draw from `random`.
  ControlPanel(FieldView& fieldView, LifeField& field, Random& random);

  // Runs command `id`. Numbers that no command has do nothing. The status
  // line shows the field as the command left it.
  void command(GadgetId id, CommandSource source);
  // The field's generation and population into the status line, with the
  // repeat of the run once one is known.
  void showFieldStatus();
  void showRepeat(std::optional<Repeat> repeat);

  GadgetLayer& gadgets() { return gadgets_; }
  PanelHooks& hooks() { return hooks_; }

 private:
  void flip(GadgetId id);
  void focusAndSelectAll(GadgetId id);
  // The whole-field commands; any other gadget is none of its business.
  void runFieldCommand(GadgetId id);
  void changeFieldSize();

  FieldView& fieldView_;
  LifeField& field_;
  Random& random_;
  PanelHooks hooks_;
  GadgetLayer gadgets_;
  std::optional<Repeat> repeat_;
};

}  // namespace orvalis
