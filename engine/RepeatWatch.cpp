#include "engine/RepeatWatch.h"

namespace orvalis {
namespace {

bool sameSettings(const StepSettings& a, const StepSettings& b) {
  return a.size.clamped() == b.size.clamped() && a.wrapEdges == b.wrapEdges;
}

}  // namespace

std::optional<Repeat> RepeatWatch::follow(const LifeField& field, const StepSettings& settings) {
  const long long shown = firstGeneration_ + followed_;
  if (stale_ || !sameSettings(settings, settings_) ||
      (field.generation != shown && field.generation != shown + 1)) {
    startFrom(field, settings);
  } else if (field.generation == shown + 1) {
    ++followed_;
    if (!repeat_) {
      run_->step();
      // The search meets the run before its repeat and counts the cycle out
      // at once, in fewer steps than the run has taken so far.
      if (const auto found = search_->check(*run_, followed_, [] { return true; })) {
        repeat_ = Repeat{firstGeneration_ + found->generation, found->period};
      }
    }
  }
  return repeat_;
}

void RepeatWatch::startFrom(const LifeField& field, const StepSettings& settings) {
  stale_ = false;
  settings_ = settings;
  firstGeneration_ = field.generation;
  followed_ = 0;
  run_.emplace(BitField::shownGeneration(field, settings));
  search_.emplace(*run_);
  repeat_.reset();
}

}  // namespace orvalis
