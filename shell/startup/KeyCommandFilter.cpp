#include "shell/startup/KeyCommandFilter.h"

#include <QApplication>
#include <QKeyEvent>

namespace orvalis {

bool KeyCommandFilter::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if ((type != QEvent::KeyPress && type != QEvent::ShortcutOverride) || suspended_ ||
      QApplication::activeModalWidget() != nullptr) {
    return QObject::eventFilter(watched, event);
  }
  const std::function<void()> command = commandOf(watched, *static_cast<QKeyEvent*>(event));
  if (!command) {
    return QObject::eventFilter(watched, event);
  }
  // A claimed override comes back as the key press.
  event->accept();
  if (type == QEvent::KeyPress) {
    command();
  }
  return true;
}

}  // namespace orvalis
