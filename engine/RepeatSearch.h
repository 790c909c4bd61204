#pragma once

#include <functional>
#include <optional>

#include "engine/BitField.h"

namespace orvalis {

// The first generation of a run whose field equals an earlier one, and how
// many generations lie between the two.
struct Repeat {
  long long generation = 0;
  long long period = 0;
  friend bool operator==(const Repeat&, const Repeat&) = default;
};

// Watches a run generation by generation for the first repeated field, in
// memory that does not grow with the run: two fields besides the run's own,
// each compared cell by cell, so nothing is ever taken for a repeat that is
// none. A field running at twice the speed meets the run at a generation
// that is a multiple of the period and not before the cycle begins (Floyd's
// cycle finding); from there the start of the cycle and the period are
// counted out, before the run reaches the repeat.
class RepeatSearch {
 public:
  explicit RepeatSearch(const BitField& start) : start_(start), ahead_(start) {}

  // To be called with the run's generations 0, 1, 2, ... in turn; gives the
  // repeat at the generation where it happens. `keepGoing` is asked between
  // the steps of the counting; once it answers false the search gives up
  // and answers nothing more.
  std::optional<Repeat> check(const BitField& field, long long generation,
                              const std::function<bool()>& keepGoing);

 private:
  bool countOut(const std::function<bool()>& keepGoing);

  BitField start_;  // generation 0, until the counting moves it
  BitField ahead_;  // generation 2g while the run is at g
  std::optional<Repeat> repeat_;
  bool gaveUp_ = false;
};

}  // namespace orvalis
