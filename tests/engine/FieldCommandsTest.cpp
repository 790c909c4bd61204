#include "engine/FieldCommands.h"

#include <gtest/gtest.h>

#include <set>

#include "tests/engine/FieldHelpers.h"

namespace orvalis {
namespace {

using test::picture;
using test::setAlive;

int livingCount(const CellGrid& grid, FieldSize size) {
  int count = 0;
  for (int y = 0; y < size.rows; ++y) {
    for (int x = 0; x < size.columns; ++x) {
      count += grid.at(x, y).state == CellState::Alive;
    }
  }
  return count;
}

TEST(RandomFill, PlacesExactlyTheComputedCount) {
  LifeField field;
  Random random(7);
  randomFill(field, {50, 50}, 100, random);
  EXPECT_EQ(livingCount(field.cells, {50, 50}), 2500);
  randomFill(field, {50, 50}, 1, random);
  EXPECT_EQ(livingCount(field.cells, {50, 50}), 25);
  randomFill(field, {3, 3}, 10, random);  // 9 * 10 / 100 rounds down to 0
  EXPECT_EQ(livingCount(field.cells, {3, 3}), 0);
  for (int percent : {37, 50, 99}) {
    randomFill(field, {17, 23}, percent, random);
    EXPECT_EQ(livingCount(field.cells, {17, 23}), 17 * 23 * percent / 100);
  }
}

TEST(RandomFill, SearchesOnFromATakenCellRightThenDownThenFromTheTop) {
  const FieldSize size{7, 5};
  for (int percent : {60, 100}) {
    LifeField field;
    Random random(99), replay(99);
    randomFill(field, size, percent, random);
    // The search as a user would describe it, cell by cell.
    CellGrid expected;
    for (int placed = 0; placed < size.columns * size.rows * percent / 100; ++placed) {
      int x = replay.draw(size.columns - 1);
      int y = replay.draw(size.rows - 1);
      while (expected.at(x, y).state != CellState::Dead) {
        if (++x > size.columns - 1) {
          x = 0;
          if (++y > size.rows - 1) {
            y = 0;
          }
        }
      }
      expected.at(x, y).state = CellState::Alive;
    }
    EXPECT_EQ(picture(field.cells, size), picture(expected, size));
  }
}

TEST(RandomFill, ReplacesTheVisibleFieldOnly) {
  LifeField field;
  field.fieldEdited = false;
  setAlive(field.cells, {{1, 1}}, CellState::Static);
  setAlive(field.cells, {{2, 2}}, CellState::Blocked);
  setAlive(field.cells, {{60, 60}}, CellState::Static);
  field.cells.at(3, 3).pending = PendingMark::Birth;
  Random random(3);
  randomFill(field, {50, 50}, 20, random);
  for (int y = 0; y < 50; ++y) {
    for (int x = 0; x < 50; ++x) {
      const Cell& cell = field.cells.at(x, y);
      ASSERT_TRUE(cell.state == CellState::Dead || cell.state == CellState::Alive);
      ASSERT_EQ(cell.remembered, cell.state);
      ASSERT_EQ(cell.pending, PendingMark::None);
    }
  }
  EXPECT_EQ(field.cells.at(60, 60).state, CellState::Static);
  EXPECT_FALSE(field.fieldEdited);
}

TEST(RandomFill, RestoreGivesTheSameRandomField) {
  LifeField field;
  Random random(11);
  randomFill(field, {30, 20}, 50, random);
  const auto filled = picture(field.cells, {30, 20});
  clearAll(field.cells);
  field.cells.at(0, 0).remembered = CellState::Alive;
  randomFill(field, {30, 20}, 50, random);
  const auto again = picture(field.cells, {30, 20});
  field.cells.at(4, 4).state = CellState::Blocked;
  restoreRemembered(field, {30, 20});
  EXPECT_EQ(picture(field.cells, {30, 20}), again);
  EXPECT_NE(filled, again) << "two fills differ";
  EXPECT_TRUE(field.fieldEdited);
}

TEST(ClearAll, ReachesBeyondTheVisibleField) {
  LifeField field;
  setAlive(field.cells, {{0, 0}, {45, 45}, {499, 499}});
  field.cells.at(45, 45).remembered = CellState::Static;
  field.cells.at(45, 45).pending = PendingMark::Die;
  field.cells.at(45, 45).pixelX = 77;
  clearAll(field.cells);
  for (auto [x, y] : {std::pair{0, 0}, {45, 45}, {499, 499}}) {
    const Cell& cell = field.cells.at(x, y);
    EXPECT_EQ(cell.state, CellState::Dead);
    EXPECT_EQ(cell.remembered, CellState::Dead);
    EXPECT_EQ(cell.pending, PendingMark::None);
  }
  EXPECT_EQ(field.cells.at(45, 45).pixelX, 77) << "positions belong to the view";
  EXPECT_FALSE(field.fieldEdited);
}

TEST(RememberAndRestore, RoundTripTheVisibleField) {
  LifeField field;
  setAlive(field.cells, {{1, 1}, {2, 1}});
  setAlive(field.cells, {{5, 5}}, CellState::Static);
  field.cells.at(1, 1).pending = PendingMark::Die;
  field.cells.at(20, 20).state = CellState::Alive;  // outside a 10 x 10 field
  rememberField(field, {10, 10});
  EXPECT_TRUE(field.fieldEdited);
  EXPECT_EQ(field.cells.at(1, 1).pending, PendingMark::Die) << "remember keeps marks";
  EXPECT_EQ(field.cells.at(20, 20).remembered, CellState::Dead);

  const auto remembered = picture(field.cells, {10, 10});
  field.fieldEdited = false;
  setAlive(field.cells, {{7, 7}, {1, 1}}, CellState::Blocked);
  restoreRemembered(field, {10, 10});
  EXPECT_EQ(picture(field.cells, {10, 10}), remembered);
  EXPECT_EQ(field.cells.at(1, 1).pending, PendingMark::None);
  EXPECT_TRUE(field.fieldEdited);
}

TEST(Shift, EachDirectionMovesStateAndRememberedAndDropsMarks) {
  struct Case {
    ShiftDirection direction;
    int toX, toY;
  };
  for (const Case c : {Case{ShiftDirection::Up, 4, 3}, Case{ShiftDirection::Right, 5, 4},
                       Case{ShiftDirection::Down, 4, 5}, Case{ShiftDirection::Left, 3, 4}}) {
    LifeField field;
    Cell& cell = field.cells.at(4, 4);
    cell.state = CellState::Static;
    cell.remembered = CellState::Blocked;
    cell.pending = PendingMark::Keep;
    field.cells.at(0, 0).pending = PendingMark::Birth;
    shiftField(field, {10, 10}, c.direction, false);
    EXPECT_EQ(field.cells.at(c.toX, c.toY).state, CellState::Static);
    EXPECT_EQ(field.cells.at(c.toX, c.toY).remembered, CellState::Blocked);
    EXPECT_EQ(field.cells.at(c.toX, c.toY).pending, PendingMark::None);
    EXPECT_TRUE(field.fieldEdited);
  }
}

TEST(Shift, WrapRotatesAndPlainShiftLosesTheLeavingLine) {
  const FieldSize size{6, 4};
  const std::vector<std::string> start{"#.....", "..S...", "...B..", ".....#"};
  auto fieldWith = [&](bool wrapShifts, ShiftDirection direction, int times) {
    LifeField field;
    for (int y = 0; y < size.rows; ++y) {
      for (int x = 0; x < size.columns; ++x) {
        const char c = start[y][x];
        field.cells.at(x, y).state = c == '#'   ? CellState::Alive
                                     : c == 'S' ? CellState::Static
                                     : c == 'B' ? CellState::Blocked
                                                : CellState::Dead;
        field.cells.at(x, y).remembered = field.cells.at(x, y).state;
      }
    }
    for (int i = 0; i < times; ++i) {
      shiftField(field, size, direction, wrapShifts);
    }
    const auto shifted = picture(field.cells, size);
    restoreRemembered(field, size);
    EXPECT_EQ(picture(field.cells, size), shifted) << "the remembered field moves along";
    return shifted;
  };
  EXPECT_EQ(fieldWith(true, ShiftDirection::Up, 4), start);
  EXPECT_EQ(fieldWith(true, ShiftDirection::Left, 6), start);
  EXPECT_EQ(fieldWith(true, ShiftDirection::Right, 1),
            (std::vector<std::string>{".#....", "...S..", "....B.", "#....."}));
  EXPECT_EQ(fieldWith(true, ShiftDirection::Down, 1),
            (std::vector<std::string>{".....#", "#.....", "..S...", "...B.."}));
  EXPECT_EQ(fieldWith(false, ShiftDirection::Up, 1),
            (std::vector<std::string>{"..S...", "...B..", ".....#", "......"}));
  EXPECT_EQ(fieldWith(false, ShiftDirection::Left, 1),
            (std::vector<std::string>{"......", ".S....", "..B...", "....#."}));
}

TEST(Shift, SingleRowFieldStaysWithWrapAndEmptiesWithout) {
  LifeField field;
  setAlive(field.cells, {{0, 0}, {3, 0}});
  field.cells.at(3, 0).pending = PendingMark::Die;
  field.cells.at(3, 1).state = CellState::Alive;  // outside the one visible row
  shiftField(field, {5, 1}, ShiftDirection::Up, true);
  EXPECT_EQ(picture(field.cells, {5, 1}), std::vector<std::string>{"#..#."});
  EXPECT_EQ(field.cells.at(3, 0).pending, PendingMark::None);
  shiftField(field, {5, 1}, ShiftDirection::Up, false);
  EXPECT_EQ(picture(field.cells, {5, 1}), std::vector<std::string>{"....."});
  EXPECT_EQ(field.cells.at(3, 1).state, CellState::Alive);
}

TEST(Random, DrawsEveryValueOfTheClosedRangeAndNothingElse) {
  Random random(1);
  std::set<int> seen;
  for (int i = 0; i < 2000; ++i) {
    const int value = random.draw(9);
    ASSERT_GE(value, 0);
    ASSERT_LE(value, 9);
    seen.insert(value);
  }
  EXPECT_EQ(seen.size(), 10u);
  EXPECT_EQ(random.draw(0), 0);
  Random unseeded;
  EXPECT_LE(unseeded.draw(3), 3);
}

}  // namespace
}  // namespace orvalis
