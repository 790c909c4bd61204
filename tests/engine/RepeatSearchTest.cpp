#include "engine/RepeatSearch.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <random>
#include <vector>

namespace {

// Every allocation of this test program, counted, so that a test can see
// whether the search takes memory as the run goes on.
std::atomic<long long> allocations = 0;

}  // namespace

void* operator new(std::size_t size) {
  ++allocations;
  if (void* memory = std::malloc(size == 0 ? 1 : size)) {
    return memory;
  }
  throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
  std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept {
  std::free(memory);
}

namespace orvalis {
namespace {

// A soup of living cells with some static, blocked and lingering ones (a
// negative state, which only a Life file brings) in the top-left `size`.
std::unique_ptr<LifeField> soup(FieldSize size, int livingPercent, unsigned seed) {
  auto field = std::make_unique<LifeField>();
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> percent(0, 99);
  for (int x = 0; x < size.columns; ++x) {
    for (int y = 0; y < size.rows; ++y) {
      const int roll = percent(random);
      field->cells.at(x, y).state = static_cast<CellState>(roll < livingPercent ? 1
                                                           : roll < 96          ? 0
                                                           : roll < 97          ? 2
                                                           : roll < 98          ? 3
                                                                                : -7);
    }
  }
  field->fieldEdited = true;
  return field;
}

// The first repeat as a record of every generation finds it.
std::optional<Repeat> firstRepeatOnRecord(BitField field, long long generations) {
  std::vector<BitField> record;
  for (long long generation = 0; generation <= generations; ++generation) {
    for (std::size_t earlier = 0; earlier < record.size(); ++earlier) {
      if (record[earlier].sameCells(field)) {
        return Repeat{generation, generation - static_cast<long long>(earlier)};
      }
    }
    record.push_back(field);
    field.step();
  }
  return std::nullopt;
}

// The search gives the record's answer at the record's generation, without
// taking any memory while it watches the run.
TEST(RepeatSearch, FindsTheFirstRepeatOfARecordInFixedMemory) {
  struct Case {
    FieldSize size;
    bool wrapEdges;
    int livingPercent;
    unsigned seed;
  };
  const std::vector<Case> cases{
      {{1, 1}, false, 35, 5},   {{3, 3}, true, 35, 3},   {{8, 8}, true, 35, 1},
      {{10, 7}, true, 35, 5},   {{16, 9}, false, 35, 3}, {{16, 16}, true, 35, 3},
      {{24, 24}, false, 35, 4}, {{70, 3}, true, 35, 2},  {{70, 3}, true, 35, 5},
      {{70, 3}, true, 35, 1},
  };
  int withTailAndPeriod = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.size.columns << " x " << c.size.rows << " seed " << c.seed);
    BitField run(*soup(c.size, c.livingPercent, c.seed), {c.size, c.wrapEdges});
    const auto expected = firstRepeatOnRecord(run, 2000);
    ASSERT_TRUE(expected);
    withTailAndPeriod += expected->generation > expected->period && expected->period > 1 ? 1 : 0;

    RepeatSearch search(run);
    const auto keepGoing = [] { return true; };
    const long long before = allocations;
    std::optional<Repeat> found;
    for (long long generation = 0; generation <= expected->generation && !found; ++generation) {
      if (generation > 0) {
        run.step();
      }
      found = search.check(run, generation, keepGoing);
      if (found) {
        EXPECT_EQ(generation, expected->generation);
      }
    }
    EXPECT_EQ(allocations - before, 0);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->generation, expected->generation);
    EXPECT_EQ(found->period, expected->period);
  }
  EXPECT_GE(withTailAndPeriod, 3) << "cases where the cycle starts late and is longer than one";

  // Told to stop while it counts, the search answers nothing (this run
  // repeats after 66 generations).
  BitField run(*soup({70, 3}, 35, 2), {{70, 3}, true});
  RepeatSearch stopped(run);
  for (long long generation = 0; generation <= 100; ++generation) {
    EXPECT_FALSE(stopped.check(run, generation, [] { return false; })) << generation;
    run.step();
  }
}

}  // namespace
}  // namespace orvalis
