#pragma once

#include "engine/Gadgets.h"
#include "shell/startup/ToolWindow.h"

namespace orvalis {

// How a command reached the panel: from its control (a click, a change) or
// from a Ctrl key, which leaves toggles and check boxes to the panel to flip.
enum class CommandSource { Control, Accelerator };

// The tool window "Life Ctrl": every setting of the program and the one hub
// through which all commands pass.
class ControlPanel : public ToolWindow {
 public:
  explicit ControlPanel(QWidget* owner);

  void command(GadgetId id, CommandSource source);
};

}  // namespace orvalis
