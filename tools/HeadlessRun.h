#pragma once

#include <functional>
#include <optional>

#include "engine/BitField.h"
#include "engine/GenerationStep.h"
#include "engine/RepeatSearch.h"
#include "tools/StopRequest.h"

namespace orvalis::cli {

// Called with generation 0 and then after every generation; false ends the
// run there (an interrupted run).
using GenerationObserver = std::function<bool(long long generation, const BitField& field)>;

struct RunOutcome {
  long long generation = 0;  // the generation the field is left in
  std::optional<Repeat> repeat;
  bool interrupted = false;
};

// Advances the field on bit planes by up to `generations` generations,
// leaving it as the program shows it after that many: one call of the
// stepping protocol more, as the first after a load only judges. With
// `untilStable` the run ends at the first generation whose field equals an
// earlier one. A stop request ends it as interrupted, also in the middle of
// the search for a repeat.
RunOutcome runHeadless(LifeField& field, const StepSettings& settings, long long generations,
                       bool untilStable, const GenerationObserver& observer,
                       const StopRequest& stop);

}  // namespace orvalis::cli
