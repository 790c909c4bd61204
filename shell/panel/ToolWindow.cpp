#include "shell/panel/ToolWindow.h"

#include <QApplication>
#include <QCloseEvent>

#include "platform/TaskbarHints.h"

namespace orvalis {

ToolWindow::ToolWindow(QWidget* owner, const QString& title, QSize clientSize)
    : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setWindowTitle(title);
  setFixedSize(clientSize);
  qApp->installEventFilter(this);
}

// Sent before the window is mapped, when the window manager still reads the
// hint.
void ToolWindow::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) {
    platform::keepOutOfTaskbar(*this);
  }
  QWidget::showEvent(event);
}

// While the owner is shown, every close request is refused: the X11 window
// manager's, a spontaneous event, and a Wayland compositor's, which Qt's
// Wayland client answers by closing the window itself. Once the owner is
// closed, the program closes its tool windows on its way out.
void ToolWindow::closeEvent(QCloseEvent* event) {
  if (parentWidget()->isVisible()) {
    event->ignore();
  }
}

// When the application is asked to quit (the session ends), Qt closes its
// shown windows in turn and gives up at the first that refuses. The owner
// goes first, so that this window may follow.
bool ToolWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == qApp && event->type() == QEvent::Quit && parentWidget()->isVisible()) {
    parentWidget()->close();
  }
  return false;
}

}  // namespace orvalis
