#pragma once

#include "engine/CellGrid.h"
#include "engine/GenerationStep.h"
#include "settings/SettingsRecord.h"

namespace orvalis::cli {

// The settings and the field of one command, starting as the desktop
// program starts.
struct Session {
  SettingsRecord settings;
  LifeField field;
};

// One call of the simulation driver's stepping protocol with the session's
// size and wrapping: the first call after a load only judges the cells,
// leaving the coming births and deaths as marks; every further call
// applies one generation and judges the next.
void advanceOneStep(Session& session);

}  // namespace orvalis::cli
