#pragma once

#include <QObject>
#include <functional>
#include <optional>

#include "settings/GadgetAccess.h"

class QKeyEvent;

namespace orvalis {

// The panel command of a Ctrl key, or nothing. Only Ctrl may be held besides
// the key; numpad digits count only as numpad keys with Num Lock on.
std::optional<GadgetId> acceleratorCommand(const QKeyEvent& event);

// Translates the Ctrl keys into panel commands before any widget sees them,
// whichever window has the focus, also while the panel is hidden; Alt with a
// letter does nothing anywhere. While a modal dialog runs, or while
// suspended, keys pass untouched.
class AcceleratorFilter : public QObject {
 public:
  explicit AcceleratorFilter(std::function<void(GadgetId)> dispatch);
  void setSuspended(bool suspended) { suspended_ = suspended; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void(GadgetId)> dispatch_;
  bool suspended_ = false;
};

}  // namespace orvalis
