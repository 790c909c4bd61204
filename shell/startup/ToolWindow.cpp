#include "shell/startup/ToolWindow.h"

namespace orvalis {

ToolWindow::ToolWindow(QWidget* owner, const QString& title, QSize clientSize)
    : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setWindowTitle(title);
  setFixedSize(clientSize);
}

}  // namespace orvalis
