#pragma once

#include <QString>
#include <optional>

#include "engine/Gadgets.h"

namespace orvalis {

// A caption as a screen reader says it: without the "&" that marks the
// underlined letter ("&&" stands for one "&").
QString spokenCaption(const QString& caption);

// The gadget whose caption names a field that has none of its own, as a
// buddy label would: the label above or beside it, and for the fill
// percentage the button "Zu&fall" above it. Nothing for other gadgets.
std::optional<GadgetId> namingGadget(GadgetId field);

// What a gadget with a terse caption or name does, for screen readers;
// empty for the others, whose captions say it.
QString spokenDescription(GadgetId id);

}  // namespace orvalis
