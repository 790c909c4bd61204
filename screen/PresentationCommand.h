#pragma once

#include <functional>

#include "engine/CellGrid.h"
#include "engine/Random.h"
#include "settings/GadgetAccess.h"

namespace orvalis {

class FieldView;

// "Sc&reen" and Ctrl+R: the presentation on the primary display, started
// only while the simulation is stopped ("&Start" not pressed). Returns when
// the user ended it with Escape. `suspendAccelerators(true)` is called before
// and `(false)` after, so that the program's Ctrl keys stay quiet meanwhile.
void startPresentation(LifeField& field, GadgetAccess& settings, FieldView& view, Random& random,
                       const std::function<void(bool)>& suspendAccelerators);

}  // namespace orvalis
