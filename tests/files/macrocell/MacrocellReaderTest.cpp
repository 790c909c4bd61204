// Macrocell: quadtrees of leaves and level 1 nodes read into cells, and
// what is refused.
#include <gtest/gtest.h>

#include "files/macrocell/MacrocellReader.h"
#include "tests/files/PatternSummary.h"

namespace orvalis {
namespace {

// A diagonal of two cells per level up to `level`: 2^level wide.
std::string diagonal(int level) {
  std::string text = "[M2]\n1 1 0 0 1\n";
  for (int k = 2; k <= level; ++k) {
    text +=
        std::to_string(k) + " " + std::to_string(k - 1) + " 0 0 " + std::to_string(k - 1) + "\n";
  }
  return text;
}

// One cell at the top-left of a node of `level`.
std::string deepCell(int level) {
  std::string text = "[M2]\n*$\n";
  for (int k = 4; k <= level; ++k) {
    text += std::to_string(k) + " " + std::to_string(k - 3) + " 0 0 0\n";
  }
  return text;
}

TEST(MacrocellReader, ReadsQuadtreesAndRefusesClearly) {
  std::string manyNodes = "[M2]\n";
  for (int k = 0; k <= 1 << 16; ++k) {
    manyNodes += "*$\n";
  }
  struct Case {
    std::string text;
    std::string read;
  };
  const Case cases[] = {
      // The glider as Golly writes it, across three quarters.
      {"[M2] (golly 3.4)\n#R B3/S23\n$$$$$$*$.*$\n.......*$\n**$\n4 0 1 2 3\n", ".*./..*/***"},
      {"[M2]\r#C Zeile 1\r#C http://x\r#G 12\r1 1 0 0 1\r", "*./.* #Zeile 1|http://x"},
      {"[M2]\n#R B3/S23:T4,4\n..*$\n", "* T4,4"},
      {"[M2]\n#R B36/S23\n*$\n", "rule B36/S23"},
      {"\xEF\xBB\xBF[M2]\n*$\n", "*"},
      {"[M2]\n1 2 0 0 0\n", "malformed"},      // a third state
      {"[M2]\n*$\n4 2 0 0 0\n", "malformed"},  // a node yet to come
      {"[M2]\n*$\n5 1 0 0 0\n", "malformed"},  // a quarter of the wrong level
      {"[M2]\n*********$\n", "malformed"},     // a leaf row of nine
      {"[M2]\n4 1 0 0\n", "malformed"},
      {"[M2]\nx\n", "malformed"},
      {"[M1]\n*$\n", "malformed"},
      {"[M2]\n", ""},
      {diagonal(9), "too large"},
      {manyNodes, "too large"},
      {manyNodes.substr(0, manyNodes.size() - 3), "*"},
      {deepCell(62), "*"},
      {deepCell(63), "malformed"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 80));
    EXPECT_EQ(test::summary(readMacrocell(c.text)), c.read);
  }
}

// Shared nodes repeat their cells wherever they stand: a pseudo still life
// of ships from Golly's Life lexicon, 2592 cells in a level 7 tree, and the
// widest diagonal that fits.
TEST(MacrocellReader, SharedNodesRepeatTheirCells) {
  struct Case {
    std::string text;
    std::size_t living;
    int side;
  };
  const Case cases[] = {
      {"[M2] (golly 3.0)\n#R B3/S23\n.**.**$*.*.*.*$**...**$$**...**$*.*.*.*$.**.**$\n"
       "4 0 1 1 1\n5 2 0 2 2\n6 3 3 0 3\n7 4 4 4 4\n",
       2592, 127},
      {diagonal(8), 256, 256},
  };
  for (const Case& c : cases) {
    const auto reading = readMacrocell(c.text);
    ASSERT_TRUE(std::holds_alternative<ReadPattern>(reading));
    const auto& pattern = std::get<ReadPattern>(reading);
    EXPECT_EQ(pattern.living.size(), c.living);
    EXPECT_EQ(pattern.width, c.side);
    EXPECT_EQ(pattern.height, c.side);
  }
}

}  // namespace
}  // namespace orvalis
