#include "engine/BitField.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <set>

#include "tests/support/GenerationReplay.h"

namespace orvalis {
namespace {

// Every state byte a loaded file can bring, and the marks of a running field,
// in the cells of `region`.
void fillAtRandom(LifeField& field, FieldSize region, std::mt19937& random) {
  std::uniform_int_distribution<int> percent(0, 99);
  std::uniform_int_distribution<int> anyByte(-128, 127);
  std::uniform_int_distribution<int> mark(0, 3);
  for (int x = 0; x < region.columns; ++x) {
    for (int y = 0; y < region.rows; ++y) {
      const int roll = percent(random);
      const int state = roll < 35   ? 1
                        : roll < 80 ? 0
                        : roll < 86 ? 2
                        : roll < 92 ? 3
                                    : anyByte(random);
      Cell& cell = field.cells.at(x, y);
      cell.state = static_cast<CellState>(state);
      cell.remembered = static_cast<CellState>(anyByte(random));
      // As every operation keeps it: cells the step does not judge carry no
      // Birth or Die.
      const int anyMark = mark(random);
      cell.pending = static_cast<PendingMark>(state >= 2 ? anyMark % 2 : anyMark);
    }
  }
}

long long countOf(const CellGrid& grid, FieldSize size, CellState state) {
  long long count = 0;
  for (int x = 0; x < size.columns; ++x) {
    for (int y = 0; y < size.rows; ++y) {
      count += grid.at(x, y).state == state ? 1 : 0;
    }
  }
  return count;
}

void expectSameField(const LifeField& bits, const LifeField& cells, FieldSize region,
                     int generation) {
  ASSERT_EQ(bits.fieldEdited, cells.fieldEdited);
  for (int x = 0; x < region.columns; ++x) {
    for (int y = 0; y < region.rows; ++y) {
      const Cell& a = bits.cells.at(x, y);
      const Cell& b = cells.cells.at(x, y);
      ASSERT_TRUE(a.state == b.state && a.pending == b.pending && a.remembered == b.remembered)
          << "cell (" << x << ", " << y << ") after " << generation << " generations: state "
          << int{static_cast<std::int8_t>(a.state)} << " instead of "
          << int{static_cast<std::int8_t>(b.state)};
    }
  }
}

// The bit planes against the generation step: a run of N generations and
// the stepping protocol's N + 1 calls leave the same field, marks included,
// and the bit planes count the same living and static cells.
TEST(BitField, RunsLikeTheGenerationStep) {
  struct Case {
    FieldSize size;
    bool edited;
    int generations;
  };
  const std::array cases{Case{{1, 1}, true, 300},   Case{{1, 500}, false, 300},
                         Case{{500, 1}, true, 300}, Case{{2, 2}, false, 300},
                         Case{{2, 7}, true, 300},   Case{{62, 62}, false, 300},
                         Case{{63, 65}, true, 300}, Case{{64, 64}, false, 300},
                         Case{{65, 63}, true, 300}, Case{{500, 500}, false, 100}};
  const std::set<int> compared{0, 1, 2, 3, 4, 5, 10, 20, 50, 100, 200, 300};
  std::mt19937 random(16);
  for (const Case& c : cases) {
    for (const bool wrapEdges : {false, true}) {
      SCOPED_TRACE(testing::Message()
                   << c.size.columns << " x " << c.size.rows << (wrapEdges ? " torus" : " plane"));
      const StepSettings settings{c.size, wrapEdges};
      // Two hidden columns and rows beside the field show any reach beyond it.
      const FieldSize region = FieldSize{c.size.columns + 2, c.size.rows + 2}.clamped();
      auto start = std::make_unique<LifeField>();
      fillAtRandom(*start, region, random);
      start->fieldEdited = c.edited;
      const auto cells = test::copyOfField(*start, region);
      BitField bits(*start, settings);
      for (int generation = 0; generation <= c.generations; ++generation) {
        advanceGeneration(*cells, settings, nullptr);
        if (compared.count(generation) != 0 || generation == c.generations) {
          const auto stored = test::copyOfField(*start, region);
          bits.storeInto(*stored);
          expectSameField(*stored, *cells, region, generation);
          EXPECT_EQ(bits.livingCount(), countOf(cells->cells, c.size, CellState::Alive));
          EXPECT_EQ(bits.staticCount(), countOf(cells->cells, c.size, CellState::Static));
          if (HasFatalFailure()) {
            return;
          }
        }
        bits.step();
      }
    }
  }
}

}  // namespace
}  // namespace orvalis
