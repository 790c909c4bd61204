#include "engine/Random.h"

#include <chrono>

namespace orvalis {

int Random::draw(int n) {
  if (!engine_) {
    const auto tick = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    engine_.emplace(static_cast<std::uint64_t>(tick.count()));
  }
  if (n <= 0) {
    return 0;
  }
  return std::uniform_int_distribution<int>(0, n)(*engine_);
}

}  // namespace orvalis
