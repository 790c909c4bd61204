#include "tools/HeadlessRun.h"

namespace orvalis::cli {

RunOutcome runHeadless(LifeField& field, const StepSettings& settings, long long generations,
                       bool untilStable, const GenerationObserver& observer,
                       const StopRequest& stop) {
  BitField bits(field, settings);
  std::optional<RepeatSearch> search;
  if (untilStable) {
    search.emplace(bits);
  }
  const auto keepSearching = [&stop] { return !stop.requested(); };
  RunOutcome outcome;
  for (long long generation = 0; generation <= generations; ++generation) {
    if (generation > 0) {
      bits.step();
    }
    outcome.generation = generation;
    const bool observed = !observer || observer(generation, bits);
    if (observed && search) {
      outcome.repeat = search->check(bits, generation, keepSearching);
    }
    if (!observed || stop.requested()) {
      outcome.interrupted = true;
      outcome.repeat.reset();
      break;
    }
    if (outcome.repeat) {
      break;
    }
  }
  bits.storeInto(field);
  return outcome;
}

}  // namespace orvalis::cli
