#include "engine/CellBlock.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/Population.h"
#include "tests/engine/FieldHelpers.h"

namespace orvalis {
namespace {

using test::picture;

CellState stateOf(char c) {
  switch (c) {
    case '#':
      return CellState::Alive;
    case 'S':
      return CellState::Static;
    case 'B':
      return CellState::Blocked;
    default:
      return CellState::Dead;
  }
}

// Rows of . # S B, as picture() draws them.
CellBlock blockOf(const std::vector<std::string>& rows) {
  CellBlock block(rows.empty() ? 0 : static_cast<int>(rows[0].size()),
                  static_cast<int>(rows.size()));
  for (int y = 0; y < block.height; ++y) {
    for (int x = 0; x < block.width; ++x) {
      block.set(x, y, stateOf(rows[y][x]));
    }
  }
  return block;
}

TEST(CellBlock, RotationsAndFlipsTurnAsDrawnAndComeBack) {
  struct Case {
    std::vector<std::string> block;
    std::vector<std::string> clockwise;
    std::vector<std::string> leftRight;
    std::vector<std::string> trimmed;
  };
  const Case cases[] = {
      {{"#..", "S.B"}, {"S#", "..", "B."}, {"..#", "B.S"}, {"#..", "S.B"}},
      {{".....", ".#...", "...S.", "....."},
       {"....", "..#.", "....", ".S..", "...."},
       {".....", "...#.", ".S...", "....."},
       {"#..", "..S"}},
      {{"#.B"}, {"#", ".", "B"}, {"B.#"}, {"#.B"}},
      {{"..", ".."}, {"..", ".."}, {"..", ".."}, {}},
      {{}, {}, {}, {}},
  };
  for (const Case& c : cases) {
    const CellBlock block = blockOf(c.block);
    SCOPED_TRACE(testing::PrintToString(c.block));
    EXPECT_EQ(rotatedClockwise(block), blockOf(c.clockwise));
    EXPECT_EQ(flippedLeftRight(block), blockOf(c.leftRight));
    EXPECT_EQ(trimmed(block), blockOf(c.trimmed));
    // Top to bottom is left to right turned half round.
    EXPECT_EQ(flippedTopBottom(block), rotatedClockwise(rotatedClockwise(flippedLeftRight(block))));
    EXPECT_EQ(rotatedAnticlockwise(rotatedClockwise(block)), block);
    EXPECT_EQ(rotatedClockwise(rotatedAnticlockwise(block)), block);
    EXPECT_EQ(rotatedClockwise(rotatedClockwise(rotatedClockwise(rotatedClockwise(block)))), block);
    EXPECT_EQ(flippedLeftRight(flippedLeftRight(block)), block);
    EXPECT_EQ(flippedTopBottom(flippedTopBottom(block)), block);
  }
}

TEST(CellBlock, EditsChangeOnlyTheVisibleCellsTheyCoverAndKeepThePopulation) {
  // A 6 x 4 field in the corner of what is drawn; the last two columns and
  // rows lie outside it.
  const FieldSize size{6, 4};
  const std::vector<std::string> start{
      "##..S.#.",  //
      "##..B...",  //
      "......#.",  //
      "S.....#.",  //
      "#.#.....",  //
      ".......#",  //
  };
  const CellBlock block = blockOf({"#.", "S#"});
  struct Case {
    const char* name;
    std::function<void(LifeField&)> edit;
    std::vector<std::string> expected;  // the rows that change
  };
  const Case cases[] = {
      {"or",
       [&](LifeField& f) { placeBlock(f, size, block, 0, 0, PasteMode::Or); },
       {"##..S.#.", "S#..B..."}},
      {"copy",
       [&](LifeField& f) { placeBlock(f, size, block, 0, 0, PasteMode::Copy); },
       {"#...S.#.", "S#..B..."}},
      {"xor",
       [&](LifeField& f) { placeBlock(f, size, block, 0, 0, PasteMode::Xor); },
       {".#..S.#.", "S...B..."}},
      {"copy over the far corner",
       [&](LifeField& f) { placeBlock(f, size, block, 5, 3, PasteMode::Copy); },
       {"##..S.#.", "##..B...", "......#.", "S....##."}},
      {"xor over the near corner",
       [&](LifeField& f) { placeBlock(f, size, block, -1, -1, PasteMode::Xor); },
       {".#..S.#."}},
      {"clear inside",
       [&](LifeField& f) {
         clearInside(f, size, {3, 0, 10, 10});
       },
       {"##....#.", "##......"}},
      {"clear outside",
       [&](LifeField& f) {
         clearOutside(f, size, {1, 1, 3, 2});
       },
       {"......#.", ".#......", "......#.", "......#."}},
      {"cells outside the grid",
       [&](LifeField& f) {
         editCell(f, -1, 2, CellState::Alive);
         editCell(f, gridColumns, 0, CellState::Alive);
         editCell(f, 3, gridRows, CellState::Alive);
       },
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LifeField field;
    for (int y = 0; y < static_cast<int>(start.size()); ++y) {
      for (int x = 0; x < static_cast<int>(start[y].size()); ++x) {
        field.cells.at(x, y).state = stateOf(start[y][x]);
      }
    }
    // As a step leaves the field: a preview, and a remembered field of its own.
    field.cells.at(2, 2).pending = PendingMark::Birth;
    field.cells.at(3, 3).remembered = CellState::Alive;
    field.population = countPopulation(field.cells, size);

    c.edit(field);
    std::vector<std::string> expected = start;
    std::copy(c.expected.begin(), c.expected.end(), expected.begin());
    EXPECT_EQ(picture(field.cells, {8, 6}), expected);
    EXPECT_EQ(field.population, countPopulation(field.cells, size));
    const bool edits = !c.expected.empty();
    EXPECT_EQ(field.fieldEdited, edits);
    EXPECT_EQ(field.cells.at(2, 2).pending == PendingMark::Birth, !edits);
    if (edits) {
      for (int y = 0; y < size.rows; ++y) {
        for (int x = 0; x < size.columns; ++x) {
          EXPECT_EQ(field.cells.at(x, y).remembered, field.cells.at(x, y).state) << x << ", " << y;
        }
      }
    }
  }
}

}  // namespace
}  // namespace orvalis
