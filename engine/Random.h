#pragma once

#include <cstdint>
#include <optional>
#include <random>

namespace orvalis {

// The program's one random generator. It is seeded at its first draw from a
// millisecond tick, unless a seed was given (tests).
class Random {
 public:
  Random() = default;
  explicit Random(std::uint64_t seed) : engine_(std::in_place, seed) {}

  // A uniformly distributed integer from 0 to n inclusive; 0 when n <= 0.
  int draw(int n);

 private:
  std::optional<std::mt19937_64> engine_;
};

}  // namespace orvalis
