#pragma once

#include <functional>
#include <optional>

#include "engine/BitField.h"
#include "engine/GenerationStep.h"
#include "engine/RepeatSearch.h"

namespace orvalis {

// Watches the run the program shows for its first repeated field. It keeps
// the run on bit planes beside the cell grid and follows the shown
// generations one at a time, so a generation costs three bit-plane steps
// and a comparison, and no allocation. When the field is changed otherwise,
// the count jumps, or the size or edges change, it starts again from the
// generation then shown.
class RepeatWatch {
 public:
  // The field changed other than by a generation: nothing is known until the
  // watch follows again.
  void restart() {
    stale_ = true;
    repeat_.reset();
  }

  // After every step of the field, also one that only judged. Gives the
  // repeat, in the field's generation numbers, from the generation that
  // repeats an earlier one on; nothing before it or after a restart.
  std::optional<Repeat> follow(const LifeField& field, const StepSettings& settings);

  std::optional<Repeat> repeat() const { return repeat_; }

 private:
  void startFrom(const LifeField& field, const StepSettings& settings);

  bool stale_ = true;
  StepSettings settings_;
  long long firstGeneration_ = 0;  // the field's generation where the watch began
  long long followed_ = 0;         // generations followed since
  std::optional<BitField> run_;
  std::optional<RepeatSearch> search_;
  std::optional<Repeat> repeat_;
};

}  // namespace orvalis
