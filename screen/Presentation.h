#pragma once

#include "engine/CellGrid.h"
#include "engine/Random.h"
#include "settings/GadgetAccess.h"

namespace orvalis {

class FieldView;
class ScreenLayer;

// The running field alone on the whole screen until Escape is held, with its
// own keys, each acting when let go: P pauses and resumes, Return brings back
// the remembered field, Space asks for one generation, C runs on, R fills at
// random. Size, "Infinit", interval and fill density are read once at the
// start, "Gitter" every frame. Every change stays in the field; fieldEdited
// is neither read nor changed. At the end the cells get their positions in
// `view` back and the view is repainted.
void runPresentation(LifeField& field, GadgetAccess& settings, FieldView& view, ScreenLayer& screen,
                     Random& random);

}  // namespace orvalis
