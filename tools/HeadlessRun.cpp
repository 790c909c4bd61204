#include "tools/HeadlessRun.h"

namespace orvalis::cli {

RunOutcome runHeadless(LifeField& field, const StepSettings& settings, long long generations,
                       bool untilStable, const GenerationObserver& observer) {
  BitField bits(field, settings);
  std::optional<RepeatSearch> search;
  if (untilStable) {
    search.emplace(bits);
  }
  RunOutcome outcome;
  for (long long generation = 0; generation <= generations; ++generation) {
    if (generation > 0) {
      bits.step();
    }
    outcome.generation = generation;
    if (observer && !observer(generation, bits)) {
      outcome.interrupted = true;
      break;
    }
    if (search) {
      outcome.repeat = search->check(bits, generation);
      if (outcome.repeat) {
        break;
      }
    }
  }
  bits.storeInto(field);
  return outcome;
}

}  // namespace orvalis::cli
