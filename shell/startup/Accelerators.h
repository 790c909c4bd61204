#pragma once

#include <functional>
#include <optional>

#include "settings/GadgetAccess.h"
#include "shell/startup/KeyCommandFilter.h"

class QKeyEvent;

namespace orvalis {

// The panel command of a Ctrl key, or nothing. Only Ctrl may be held besides
// the key; numpad digits count only as numpad keys with Num Lock on.
std::optional<GadgetId> acceleratorCommand(const QKeyEvent& event);

// Translates the Ctrl keys into panel commands before any widget sees them,
// also while the panel is hidden; Alt with a letter does nothing anywhere.
class AcceleratorFilter : public KeyCommandFilter {
 public:
  explicit AcceleratorFilter(std::function<void(GadgetId)> dispatch);

 protected:
  std::function<void()> commandOf(const QObject* receiver, const QKeyEvent& key) override;

 private:
  std::function<void(GadgetId)> dispatch_;
};

}  // namespace orvalis
