#include "engine/GenerationStep.h"

#include <gtest/gtest.h>

#include <random>

#include "engine/Population.h"
#include "tests/engine/FieldHelpers.h"

namespace orvalis {
namespace {

using test::Invalidation;
using test::picture;
using test::RecordingSink;
using test::setAlive;

constexpr FieldSize fiftyByFifty{50, 50};

PendingMark mark(const CellGrid& grid, int x, int y) {
  return grid.at(x, y).pending;
}

TEST(GenerationStep, EmptyFieldStaysEmptyAndInvalidatesNothing) {
  CellGrid grid;
  RecordingSink sink;
  generationStep(grid, {fiftyByFifty, true}, false, &sink);
  generationStep(grid, {fiftyByFifty, true}, false, &sink);
  EXPECT_TRUE(sink.cells.empty());
  for (int y = 0; y < 50; ++y) {
    for (int x = 0; x < 50; ++x) {
      ASSERT_EQ(grid.at(x, y).state, CellState::Dead);
      ASSERT_EQ(grid.at(x, y).pending, PendingMark::Keep);
    }
  }
}

TEST(GenerationStep, BlinkerIsFirstMarkedThenTurned) {
  CellGrid grid;
  setAlive(grid, {{9, 10}, {10, 10}, {11, 10}});
  const StepSettings settings{fiftyByFifty, false};

  generationStep(grid, settings, true, nullptr);
  EXPECT_EQ(mark(grid, 9, 10), PendingMark::Die);
  EXPECT_EQ(mark(grid, 11, 10), PendingMark::Die);
  EXPECT_EQ(mark(grid, 10, 10), PendingMark::Keep);
  EXPECT_EQ(mark(grid, 10, 9), PendingMark::Birth);
  EXPECT_EQ(mark(grid, 10, 11), PendingMark::Birth);
  EXPECT_EQ(grid.at(9, 10).state, CellState::Alive) << "judging alone changes no state";
  EXPECT_EQ(grid.at(10, 9).state, CellState::Dead);

  generationStep(grid, settings, false, nullptr);
  EXPECT_EQ(grid.at(10, 9).state, CellState::Alive);
  EXPECT_EQ(grid.at(10, 11).state, CellState::Alive);
  EXPECT_EQ(grid.at(9, 10).state, CellState::Dead);
  EXPECT_EQ(grid.at(11, 10).state, CellState::Dead);
  EXPECT_EQ(mark(grid, 10, 9), PendingMark::Die);
  EXPECT_EQ(mark(grid, 9, 10), PendingMark::Birth);
}

TEST(GenerationStep, BlockKeepsAndIsRepaintedEveryCall) {
  CellGrid grid;
  setAlive(grid, {{3, 3}, {4, 3}, {3, 4}, {4, 4}});
  RecordingSink sink;
  for (int call = 0; call < 3; ++call) {
    sink.cells.clear();
    generationStep(grid, {fiftyByFifty, false}, call == 0, &sink);
    const std::vector<Invalidation> expected{
        {3, 3, true}, {4, 3, true}, {3, 4, true}, {4, 4, true}};
    EXPECT_EQ(sink.cells, expected);
    EXPECT_EQ(mark(grid, 3, 3), PendingMark::Keep);
  }
}

TEST(GenerationStep, InvalidationsFollowPhasesAndRows) {
  CellGrid grid;
  setAlive(grid, {{2, 1}, {2, 2}, {2, 3}});  // vertical blinker
  RecordingSink sink;
  generationStep(grid, {{6, 6}, false}, true, &sink);
  sink.cells.clear();
  generationStep(grid, {{6, 6}, false}, false, &sink);
  // Phase 1: the two deaths erase, the two births do not; then phase 2
  // repaints every living cell and every new birth, row by row.
  const std::vector<Invalidation> expected{
      {2, 1, true}, {1, 2, false}, {3, 2, false}, {2, 3, true},  // applied
      {2, 1, true}, {1, 2, true},  {2, 2, true},  {3, 2, true}, {2, 3, true}};
  EXPECT_EQ(sink.cells, expected);
}

TEST(GenerationStep, StaticCellsLiveAndCountBlockedCellsDoNeither) {
  CellGrid grid;
  setAlive(grid, {{10, 10}}, CellState::Static);                       // alone
  setAlive(grid, {{20, 20}, {21, 20}, {22, 20}}, CellState::Static);   // births beside
  setAlive(grid, {{30, 30}, {31, 30}, {32, 30}}, CellState::Blocked);  // no births
  setAlive(grid, {{40, 40}, {41, 40}, {42, 40}});                      // three living ...
  grid.at(41, 41).state = CellState::Blocked;                          // ... over a blocked cell
  grid.at(41, 41).pending = PendingMark::None;
  generationStep(grid, {fiftyByFifty, false}, true, nullptr);
  generationStep(grid, {fiftyByFifty, false}, false, nullptr);
  EXPECT_EQ(grid.at(21, 21).state, CellState::Alive);
  EXPECT_EQ(grid.at(21, 19).state, CellState::Alive);
  EXPECT_EQ(grid.at(31, 31).state, CellState::Dead);
  EXPECT_EQ(grid.at(31, 29).state, CellState::Dead);
  for (int call = 0; call < 4; ++call) {
    generationStep(grid, {fiftyByFifty, false}, false, nullptr);
    EXPECT_EQ(grid.at(10, 10).state, CellState::Static);
    EXPECT_EQ(grid.at(21, 20).state, CellState::Static);
    EXPECT_EQ(grid.at(41, 41).state, CellState::Blocked);
    EXPECT_EQ(mark(grid, 41, 41), PendingMark::None) << "a blocked cell keeps its mark";
  }
}

// A glider moving down and right, placed so that it crosses the right edge.
void placeGlider(CellGrid& grid, int left, int top) {
  setAlive(grid, {{left + 1, top},
                  {left + 2, top + 1},
                  {left, top + 2},
                  {left + 1, top + 2},
                  {left + 2, top + 2}});
}

TEST(GenerationStep, GliderWrapsOnTorusOfTheVisibleSize) {
  CellGrid grid;
  const FieldSize size{8, 10};
  placeGlider(grid, 5, 2);
  const StepSettings settings{size, true};
  generationStep(grid, settings, true, nullptr);
  for (int generation = 0; generation < 4 * 8; ++generation) {
    generationStep(grid, settings, false, nullptr);
  }
  // After 32 generations the glider moved 8 right (once round) and 8 down.
  CellGrid expected;
  placeGlider(expected, 5, 0);  // rows 10 -> wrap: top 2 + 8 = 10 = 0 of 10
  EXPECT_EQ(picture(grid, size), picture(expected, size));
}

TEST(GenerationStep, GliderWithoutWrapMeetsDeadEdge) {
  CellGrid grid;
  const FieldSize size{8, 20};
  placeGlider(grid, 5, 2);
  grid.at(8, 5).state = CellState::Alive;  // beyond the visible field: never read
  const StepSettings settings{size, false};
  generationStep(grid, settings, true, nullptr);
  for (int generation = 0; generation < 40; ++generation) {
    generationStep(grid, settings, false, nullptr);
  }
  // Nothing crosses to column 0; the wreck stays at the right edge.
  for (int y = 0; y < size.rows; ++y) {
    EXPECT_EQ(grid.at(0, y).state, CellState::Dead);
  }
  EXPECT_EQ(grid.at(8, 5).state, CellState::Alive);
}

TEST(GenerationStep, NarrowToriCountCellsSeveralTimes) {
  {  // 1 x 1: the one cell is its own eight neighbours, so it dies.
    CellGrid grid;
    setAlive(grid, {{0, 0}});
    generationStep(grid, {{1, 1}, true}, true, nullptr);
    EXPECT_EQ(mark(grid, 0, 0), PendingMark::Die);
  }
  {  // 1 wide: a lone cell counts itself twice and survives; without wrap it dies.
    CellGrid grid;
    setAlive(grid, {{0, 1}});
    generationStep(grid, {{1, 3}, true}, true, nullptr);
    EXPECT_EQ(mark(grid, 0, 1), PendingMark::Keep);
    generationStep(grid, {{1, 3}, false}, true, nullptr);
    EXPECT_EQ(mark(grid, 0, 1), PendingMark::Die);
  }
  {  // 2 wide: the other column counts twice, own column once.
    CellGrid grid;
    setAlive(grid, {{0, 0}, {1, 1}});
    generationStep(grid, {{2, 3}, true}, true, nullptr);
    EXPECT_EQ(mark(grid, 0, 1), PendingMark::Birth);
    generationStep(grid, {{2, 3}, false}, true, nullptr);
    EXPECT_EQ(mark(grid, 0, 1), PendingMark::Keep);
  }
}

TEST(GenerationStep, ResizeHidesAndShowsCellsWithTheirMarks) {
  CellGrid grid;
  setAlive(grid, {{30, 5}, {31, 5}, {32, 5}});
  generationStep(grid, {fiftyByFifty, false}, true, nullptr);
  generationStep(grid, {{10, 50}, false}, false, nullptr);
  generationStep(grid, {{10, 50}, false}, false, nullptr);
  EXPECT_EQ(grid.at(30, 5).state, CellState::Alive);
  EXPECT_EQ(mark(grid, 30, 5), PendingMark::Die);
  EXPECT_EQ(mark(grid, 31, 4), PendingMark::Birth);
  generationStep(grid, {fiftyByFifty, false}, false, nullptr);
  EXPECT_EQ(grid.at(31, 4).state, CellState::Alive);
  EXPECT_EQ(grid.at(30, 5).state, CellState::Dead);
}

TEST(GenerationStep, OddStateValuesFromFiles) {
  CellGrid grid;
  grid.at(5, 5).state = static_cast<CellState>(4);  // like Blocked
  setAlive(grid, {{4, 4}, {6, 4}});
  grid.at(5, 6).state = static_cast<CellState>(-1);  // living, counted by no one
  grid.at(5, 5).pending = PendingMark::None;
  generationStep(grid, {fiftyByFifty, false}, true, nullptr);
  EXPECT_EQ(mark(grid, 5, 5), PendingMark::None);
  EXPECT_EQ(mark(grid, 5, 4), PendingMark::Keep) << "two living neighbours, the 4 does not count";
  EXPECT_EQ(mark(grid, 5, 6), PendingMark::Die);
  EXPECT_EQ(mark(grid, 4, 5), PendingMark::Keep);
}

TEST(SteppingProtocol, FirstStepAfterAnEditOnlyJudges) {
  LifeField field;
  setAlive(field.cells, {{9, 10}, {10, 10}, {11, 10}});
  generationStep(field.cells, {fiftyByFifty, false}, true, nullptr);
  field.cells.at(20, 20).state = CellState::Alive;  // an edit
  field.fieldEdited = true;
  advanceGeneration(field, {fiftyByFifty, false}, nullptr);
  EXPECT_FALSE(field.fieldEdited);
  EXPECT_EQ(field.cells.at(9, 10).state, CellState::Alive);
  EXPECT_EQ(mark(field.cells, 20, 20), PendingMark::Die);
  advanceGeneration(field, {fiftyByFifty, false}, nullptr);
  EXPECT_EQ(field.cells.at(9, 10).state, CellState::Dead);
  EXPECT_EQ(field.cells.at(20, 20).state, CellState::Dead);
}

// The rule as written, one cell at a time, to hold the fast step against.
void referenceStep(CellGrid& grid, FieldSize size, bool wrap, bool skipApply, RecordingSink& sink) {
  if (!skipApply) {
    for (int y = 0; y < size.rows; ++y) {
      for (int x = 0; x < size.columns; ++x) {
        Cell& cell = grid.at(x, y);
        if (cell.pending == PendingMark::Birth) {
          cell.state = CellState::Alive;
          sink.invalidateCell(x, y, false);
        } else if (cell.pending == PendingMark::Die) {
          cell.state = CellState::Dead;
          sink.invalidateCell(x, y, true);
        }
      }
    }
  }
  for (int y = 0; y < size.rows; ++y) {
    for (int x = 0; x < size.columns; ++x) {
      Cell& cell = grid.at(x, y);
      if (cell.state >= CellState::Static) {
        continue;
      }
      const int left = x == 0 ? (wrap ? size.columns - 1 : -1) : x - 1;
      const int right = x == size.columns - 1 ? (wrap ? 0 : -1) : x + 1;
      const int up = y == 0 ? (wrap ? size.rows - 1 : -1) : y - 1;
      const int down = y == size.rows - 1 ? (wrap ? 0 : -1) : y + 1;
      const std::pair<int, int> around[] = {{left, up}, {x, up},      {right, up}, {left, y},
                                            {right, y}, {left, down}, {x, down},   {right, down}};
      int count = 0;
      for (auto [nx, ny] : around) {
        if (nx >= 0 && ny >= 0) {
          const CellState s = grid.at(nx, ny).state;
          count += s == CellState::Alive || s == CellState::Static;
        }
      }
      const bool living = cell.state != CellState::Dead;
      const bool fits = (count == 2 && living) || count == 3;
      if (living) {
        cell.pending = fits ? PendingMark::Keep : PendingMark::Die;
        sink.invalidateCell(x, y, true);
      } else if (fits) {
        cell.pending = PendingMark::Birth;
        sink.invalidateCell(x, y, true);
      } else {
        // A coming birth that is taken back must leave the screen.
        if (cell.pending == PendingMark::Birth) {
          sink.invalidateCell(x, y, true);
        }
        cell.pending = PendingMark::Keep;
      }
    }
  }
}

TEST(GenerationStep, AgreesWithTheRuleOnRandomFields) {
  std::mt19937 random(20261207);
  const FieldSize sizes[] = {{1, 1}, {1, 7}, {7, 1}, {2, 2}, {3, 5}, {17, 13}, {64, 3}, {500, 500}};
  for (const FieldSize size : sizes) {
    for (const bool wrap : {false, true}) {
      CellGrid fast, reference;
      std::uniform_int_distribution<int> kind(-1, 12);
      std::uniform_int_distribution<int> oddState(4, 127);
      std::uniform_int_distribution<int> anyMark(0, 3);
      for (int x = 0; x < gridColumns; ++x) {
        for (int y = 0; y < gridRows; ++y) {
          const int k = kind(random);
          // Mostly dead and alive, some fixed cells and odd file values
          // (-1 and 4 to 127), with any marks left over from before.
          const int state = k >= 8 ? 0 : (k >= 5 ? 1 : (k == 4 ? oddState(random) : k));
          fast.at(x, y).state = reference.at(x, y).state = static_cast<CellState>(state);
          fast.at(x, y).pending = reference.at(x, y).pending =
              static_cast<PendingMark>(anyMark(random));
        }
      }
      RecordingSink fastSink, referenceSink;
      // Judging alone at the start and again in the middle, as after an edit.
      for (int call = 0; call < 6; ++call) {
        const StepTally tally = generationStep(fast, {size, wrap}, call % 3 == 0, &fastSink);
        referenceStep(reference, size, wrap, call % 3 == 0, referenceSink);
        // Counted on the way, each column once, though wrapping reads one twice.
        ASSERT_EQ(tally.population, countPopulation(reference, size));
      }
      ASSERT_EQ(fastSink.cells, referenceSink.cells)
          << size.columns << "x" << size.rows << " wrap " << wrap;
      for (int x = 0; x < gridColumns; ++x) {
        for (int y = 0; y < gridRows; ++y) {
          ASSERT_EQ(fast.at(x, y).state, reference.at(x, y).state);
          ASSERT_EQ(fast.at(x, y).pending, reference.at(x, y).pending);
        }
      }
    }
  }
}

}  // namespace
}  // namespace orvalis
