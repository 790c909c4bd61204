#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/BitField.h"

namespace orvalis {

// The first generation of a run whose field equals an earlier one, and how
// many generations lie between the two.
struct Repeat {
  long long generation = 0;
  long long period = 0;
};

// Watches a run generation by generation for the first repeated field. It
// keeps one 64-bit hash a generation and a copy of generation 0; on a hash
// seen before it replays the run from the start to find the earlier field
// and compare it cell by cell, so a hash collision is never taken for a
// repeat.
class RepeatSearch {
 public:
  explicit RepeatSearch(const BitField& start) : start_(start) {}

  // To be called with generations 0, 1, 2, ... in turn.
  std::optional<Repeat> check(const BitField& field, long long generation);

 private:
  // Adds the hash; false when it was there already.
  bool insert(std::uint64_t hash);
  std::optional<long long> earlierGeneration(const BitField& field, std::uint64_t hash,
                                             long long generation) const;

  BitField start_;
  std::vector<std::uint64_t> table_;  // open addressing; 0 marks a free slot
  std::size_t count_ = 0;
};

}  // namespace orvalis
