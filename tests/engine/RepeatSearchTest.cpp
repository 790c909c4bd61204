#include "engine/RepeatSearch.h"

#include "engine/RepeatWatch.h"

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

// The watch follows the field's own steps, and from any generation it
// starts at gives the repeat that the search finds on bit planes from the
// field then shown, numbered as the field counts; after an edit or a jump of
// the count it begins again. It takes no memory while it follows.
TEST(RepeatWatch, GivesTheRepeatOfTheRunShownFromEveryStart) {
  enum class Change { None, Edit, Jump };
  struct Case {
    FieldSize size;
    bool wrapEdges;
    unsigned seed;
    long long firstGeneration;
    Change change;  // after 7 generations of the first run
  };
  const std::vector<Case> cases{
      {{16, 16}, true, 3, 0, Change::None},  {{24, 24}, false, 4, 0, Change::None},
      {{10, 7}, true, 5, 41, Change::None},  {{70, 3}, true, 2, 0, Change::Edit},
      {{16, 9}, false, 3, 12, Change::Edit}, {{70, 3}, true, 5, 0, Change::Jump},
      {{16, 16}, true, 3, 3, Change::Jump},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.size.columns << " x " << c.size.rows << " seed " << c.seed
                                    << " change " << static_cast<int>(c.change));
    const StepSettings settings{c.size, c.wrapEdges};
    std::unique_ptr<LifeField> field = soup(c.size, 35, c.seed);
    field->generation = c.firstGeneration;
    RepeatWatch watch;
    // The first step after an edit only judges: the same generation again.
    const auto expectedFromHere = [&] {
      const auto found = firstRepeatOnRecord(BitField::shownGeneration(*field, settings), 3000);
      if (!found) {
        ADD_FAILURE() << "no repeat from generation " << field->generation;
        return Repeat{};
      }
      return Repeat{field->generation + found->generation, found->period};
    };
    Repeat expected = expectedFromHere();
    long long followedUntil = expected.generation + 4;
    if (c.change != Change::None) {
      followedUntil = field->generation + 7;
    }
    for (int run = 0; run < (c.change == Change::None ? 1 : 2); ++run) {
      std::optional<long long> before;  // once the watch has begun
      while (field->generation < followedUntil) {
        advanceGeneration(*field, settings, nullptr);
        const std::optional<Repeat> shown = watch.follow(*field, settings);
        if (before) {
          EXPECT_EQ(allocations - *before, 0);
        }
        before = allocations;
        if (field->generation < expected.generation) {
          ASSERT_FALSE(shown) << field->generation;
        } else {
          ASSERT_TRUE(shown) << field->generation;
          EXPECT_EQ(shown->generation, expected.generation);
          EXPECT_EQ(shown->period, expected.period);
        }
      }
      if (c.change == Change::Edit) {
        for (int x = 0; x < 8; ++x) {
          field->cells.at(x, 1).state = x % 3 == 0 ? CellState::Dead : CellState::Alive;
        }
        field->fieldEdited = true;
        watch.restart();
        EXPECT_FALSE(watch.repeat());
      } else if (c.change == Change::Jump) {
        for (int i = 0; i < 5; ++i) {
          advanceGeneration(*field, settings, nullptr);
        }
        EXPECT_FALSE(watch.follow(*field, settings));
      }
      expected = expectedFromHere();
      followedUntil = expected.generation + 4;
    }
  }
}

}  // namespace
}  // namespace orvalis
