#include "shell/startup/ToolWindow.h"

#include <QCloseEvent>

#include "platform/TaskbarHints.h"

namespace orvalis {

ToolWindow::ToolWindow(QWidget* owner, const QString& title, QSize clientSize)
    : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setWindowTitle(title);
  setFixedSize(clientSize);
}

// Sent before the window is mapped, when the window manager still reads the
// hint.
void ToolWindow::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) {
    platform::keepOutOfTaskbar(*this);
  }
  QWidget::showEvent(event);
}

// Only the window manager's requests are refused; the program itself still
// closes the tool windows with the main window.
void ToolWindow::closeEvent(QCloseEvent* event) {
  if (event->spontaneous()) {
    event->ignore();
  }
}

}  // namespace orvalis
