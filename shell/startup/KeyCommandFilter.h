#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;

namespace orvalis {

// An application-wide filter that takes keys as commands before any widget
// sees them, whichever window has the focus: it claims the key's shortcut
// override, so that no shortcut takes it, and runs the command on the key
// press. While a modal dialog runs, or while suspended, keys pass untouched.
class KeyCommandFilter : public QObject {
 public:
  void setSuspended(bool suspended) { suspended_ = suspended; }

 protected:
  // What the key does, sent to `receiver`: a command, or nothing for a key
  // that passes on.
  virtual std::function<void()> commandOf(const QObject* receiver, const QKeyEvent& key) = 0;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool suspended_ = false;
};

}  // namespace orvalis
