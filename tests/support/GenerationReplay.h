#pragma once

#include <memory>
#include <optional>

#include "engine/CellGrid.h"
#include "engine/GenerationStep.h"

namespace orvalis::test {

// The visible cells' states and marks and the edit flag, which are all that
// the next generation steps depend on.
inline std::unique_ptr<LifeField> copyOfField(const LifeField& field, FieldSize size) {
  auto copy = std::make_unique<LifeField>();
  for (int x = 0; x < size.columns; ++x) {
    for (int y = 0; y < size.rows; ++y) {
      copy->cells.at(x, y) = field.cells.at(x, y);
    }
  }
  copy->fieldEdited = field.fieldEdited;
  return copy;
}

inline bool sameGeneration(const LifeField& a, const LifeField& b, FieldSize size) {
  if (a.fieldEdited != b.fieldEdited) {
    return false;
  }
  for (int x = 0; x < size.columns; ++x) {
    for (int y = 0; y < size.rows; ++y) {
      const Cell& one = a.cells.at(x, y);
      const Cell& other = b.cells.at(x, y);
      if (one.state != other.state || one.pending != other.pending) {
        return false;
      }
    }
  }
  return true;
}

// How many generation steps lead from `start` to `now`, found by replaying
// them headless on a copy of `start`; nothing when `limit` steps do not.
// The answer is unique while the pattern does not repeat within `limit`.
inline std::optional<int> stepsBetween(const LifeField& start, const LifeField& now,
                                       const StepSettings& settings, int limit) {
  const auto replay = copyOfField(start, settings.size);
  for (int steps = 0; steps <= limit; ++steps) {
    if (sameGeneration(*replay, now, settings.size)) {
      return steps;
    }
    advanceGeneration(*replay, settings, nullptr);
  }
  return std::nullopt;
}

}  // namespace orvalis::test
