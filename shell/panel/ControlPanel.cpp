#include "shell/panel/ControlPanel.h"

namespace orvalis {

ControlPanel::ControlPanel(QWidget* owner)
    : ToolWindow(owner, QStringLiteral("Life Ctrl"), QSize(170, 570)) {}

void ControlPanel::command(GadgetId, CommandSource) {}

}  // namespace orvalis
