#include "engine/RepeatSearch.h"

#include <algorithm>

namespace orvalis {

std::optional<Repeat> RepeatSearch::check(const BitField& field, long long generation) {
  const std::uint64_t hash = field.hash();
  if (insert(hash)) {
    return std::nullopt;
  }
  if (const auto earlier = earlierGeneration(field, hash, generation)) {
    return Repeat{generation, generation - *earlier};
  }
  return std::nullopt;
}

bool RepeatSearch::insert(std::uint64_t hash) {
  // 0 is the free slot; the hash 0 shares a slot with 1, which only costs a
  // replay should both ever occur.
  const std::uint64_t key = hash == 0 ? 1 : hash;
  if (2 * (count_ + 1) > table_.size()) {
    std::vector<std::uint64_t> old(std::max<std::size_t>(64, 2 * table_.size()), 0);
    old.swap(table_);
    count_ = 0;
    for (const std::uint64_t kept : old) {
      if (kept != 0) {
        insert(kept);
      }
    }
  }
  const std::size_t mask = table_.size() - 1;
  for (std::size_t slot = key & mask;; slot = (slot + 1) & mask) {
    if (table_[slot] == key) {
      return false;
    }
    if (table_[slot] == 0) {
      table_[slot] = key;
      ++count_;
      return true;
    }
  }
}

std::optional<long long> RepeatSearch::earlierGeneration(const BitField& field, std::uint64_t hash,
                                                         long long generation) const {
  BitField replay = start_;
  for (long long earlier = 0; earlier < generation; ++earlier) {
    if (replay.hash() == hash && replay.sameCells(field)) {
      return earlier;
    }
    replay.step();
  }
  return std::nullopt;
}

}  // namespace orvalis
