#include "engine/RepeatSearch.h"

namespace orvalis {

std::optional<Repeat> RepeatSearch::check(const BitField& field, long long generation,
                                          const std::function<bool()>& keepGoing) {
  if (!repeat_ && !gaveUp_ && generation > 0) {
    ahead_.step();
    ahead_.step();
    if (ahead_.sameCells(field)) {
      gaveUp_ = !countOut(keepGoing);
    }
  }
  if (repeat_ && repeat_->generation == generation) {
    return repeat_;
  }
  return std::nullopt;
}

// The run at g and the field ahead at 2g agree: g is a multiple of the
// period, and the cycle has begun by g. So two fields g generations apart
// agree from the cycle's first generation on, and not before it.
bool RepeatSearch::countOut(const std::function<bool()>& keepGoing) {
  long long firstOfCycle = 0;
  while (!start_.sameCells(ahead_)) {
    if (!keepGoing()) {
      return false;
    }
    start_.step();
    ahead_.step();
    ++firstOfCycle;
  }
  long long period = 0;
  do {
    if (!keepGoing()) {
      return false;
    }
    ahead_.step();
    ++period;
  } while (!ahead_.sameCells(start_));
  repeat_ = Repeat{firstOfCycle + period, period};
  return true;
}

}  // namespace orvalis
