// Life 1.05 and 1.06 text: what each line kind gives and what is refused.
#include <gtest/gtest.h>

#include "engine/CellGrid.h"
#include "files/lifetext/LifeTextReader.h"
#include "tests/files/PatternSummary.h"

namespace orvalis {
namespace {

TEST(LifeTextReader, ReadsBlocksAndPairsAndRefusesClearly) {
  const std::string wide = "#Life 1.06\n0 0\n" + std::to_string(gridColumns) + " 0\n";
  const std::string widest = "#Life 1.06\n0 7\n" + std::to_string(gridColumns - 1) + " 7\n";
  std::string repeated = "#Life 1.06\n";
  for (int k = 0; k <= 2 * gridColumns * gridRows; ++k) {
    repeated += "0 0\n";
  }
  struct Case {
    std::string text;
    std::string read;
  };
  const Case cases[] = {
      {"#Life 1.05\n#D Gleiter\n#D \xC3\xA4\n#N\n#P -1 -1\n.*\n..*\n***\n",
       ".*./..*/*** #Gleiter|\xE4"},
      // Blocks at their offsets, an empty row between; unknown "#" lines
      // pass.
      {"#Life 1.05\n#P 0 0\n*\n\n*\n#O Anna\n#P 3 -2\n**\n", "...**/...../*..../...../*...."},
      {"#Life 1.05\n#R 23/3\n**\n", "**"},
      {"#Life 1.05\r\n#R 23/3:T3,3\r\n**\r\n", "** T3,3"},
      {"#Life 1.05\n#R 34/34\n**\n", "rule 34/34"},
      {"#Life 1.05\n*o\n", "malformed"},
      {"#Life 1.05\n#P 1\n*\n", "malformed"},
      {"#Life 1.06\n 2 -1\n\n0\t1\n2 -1\n", "..*/.../*.."},
      {"#Life 1.06\n#R B36/S23\n", "rule B36/S23"},
      {"#Life 1.06\n1\n", "malformed"},
      {"#Life 1.06\n1 2 3\n", "malformed"},
      {"#Life 1.06\n1 x\n", "malformed"},
      {"#Life 1.06\n99999999999999999999 0\n", "malformed"},
      {"#Life 1.06\n", ""},
      {widest, "*" + std::string(gridColumns - 2, '.') + "*"},
      {wide, "too large"},
      {repeated + "1 1\n", "*./.*"},
      {"#Life 1.04\n0 0\n", "malformed"},
      {"\xEF\xBB\xBF#Life 1.06\n0 0\n", "*"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(test::summary(readLifeText(c.text)), c.read);
  }
}

}  // namespace
}  // namespace orvalis
