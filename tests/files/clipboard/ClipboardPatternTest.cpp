// The clipboard's pattern texts: what Copy writes reads back through the
// format table, and what Paste makes of texts from other programs and web
// pages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/Population.h"
#include "engine/Random.h"
#include "files/clipboard/ClipboardPattern.h"
#include "tests/files/OtherPatternForms.h"
#include "tests/files/PatternExamples.h"

namespace orvalis {
namespace {

constexpr FieldSize wholeGrid{gridColumns, gridRows};

// Rows apart by "/": "." dead, "*" alive, "s" static, "x" blocked.
CellBlock blockOf(const std::string& rows) {
  std::vector<std::string> lines{""};
  for (const char c : rows) {
    if (c == '/') {
      lines.emplace_back();
    } else {
      lines.back() += c;
    }
  }
  CellBlock block(static_cast<int>(lines.front().size()), static_cast<int>(lines.size()));
  for (int y = 0; y < block.height; ++y) {
    for (int x = 0; x < block.width; ++x) {
      const std::string states = ".*sx";
      block.set(x, y, static_cast<CellState>(states.find(lines[y][x])));
    }
  }
  return block;
}

std::string rowsOf(const CellBlock& block) {
  std::string rows;
  for (int y = 0; y < block.height; ++y) {
    for (int x = 0; x < block.width; ++x) {
      rows += std::string(".*sx")[static_cast<std::size_t>(block.at(x, y))];
    }
    rows += y + 1 < block.height ? "/" : "";
  }
  return rows;
}

// The block as the community's formats keep it: static cells living,
// blocked ones dead.
CellBlock asWritten(CellBlock block) {
  for (CellState& state : block.states) {
    state = countsAsLiving(state) ? CellState::Alive : CellState::Dead;
  }
  return trimmed(block);
}

TEST(ClipboardPattern, WritesTheNameAndTheCells) {
  const CellBlock glider = blockOf(".*./..*/***/...");
  EXPECT_EQ(clipboardRle(glider, "\r\n  Gleiter \xE4 \r\nZeile 2"),
            "#N Gleiter \xC3\xA4\nx = 3, y = 4, rule = B3/S23\nbo$2bo$3o!\n");
  EXPECT_EQ(clipboardRle(glider, " "), "x = 3, y = 4, rule = B3/S23\nbo$2bo$3o!\n");
  EXPECT_EQ(clipboardPlaintext(glider, "Gleiter"), "!Name: Gleiter\n.O\n..O\nOOO\n...\n");
  EXPECT_EQ(clipboardPlaintext(glider, ""), ".O\n..O\nOOO\n...\n");
}

TEST(ClipboardPattern, CopiedTextsPasteAsTheSameCells) {
  Random random(7);
  const CellBlock blocks[] = {
      blockOf(".*./..*/***"),
      blockOf("x.../.*s./x*.x/.*.."),
      blockOf("..*../...../*...*/..*.."),
      randomBlock(60, 40, 30, random),
      blockOf("*"),
  };
  for (const CellBlock& block : blocks) {
    SCOPED_TRACE(rowsOf(block));
    for (const auto write : {clipboardRle, clipboardPlaintext}) {
      const ClipboardReading reading = readClipboardPattern(write(block, "Muster"), wholeGrid);
      ASSERT_TRUE(reading.block) << reading.message->text;
      EXPECT_EQ(rowsOf(*reading.block), rowsOf(asWritten(block)));
    }
  }
}

TEST(ClipboardPattern, PastedTextsGiveTheirCellsOrSayWhyNot) {
  const std::string glider = ".*./..*/***";
  const std::string noPattern = "Die Zwischenablage enth\xC3\xA4lt kein Muster.";
  struct Case {
    std::string text;
    FieldSize visible;
    std::string pasted;  // the rows, or the message
  };
  const Case cases[] = {
      {"#N Glider\n#O Richard K. Guy\n#C The smallest spaceship.\n"
       "x = 3, y = 3, rule = B3/S23\nbo$2bo$3o!\n",
       wholeGrid, glider},
      {"#CXRLE Pos=-1,-1\r\nx = 3, y = 2, rule = B3/S23:P20,20\r\n3o$o!\r\n", wholeGrid, "***/*.."},
      {"<p>So sieht er aus:</p><div><pre>#C Periode 4 &lt;c/4&gt; &amp; mehr<br>"
       "&nbsp;&nbsp;x = 3, y = 3, rule = B3/S23<br/>&#98;o$2bo$<br>3o&#x21;</pre></div><p>Gut!</p>",
       wholeGrid, glider},
      {"Hallo! Probiert das:\n\n    #N Blinker\n    x = 3, y = 1\n    #C Er schwingt!\n\t "
       "3o!\n\nEr schwingt! Viel "
       "Spa\xC3\x9F.",
       wholeGrid, "***"},
      {"\n\n!Name: Glider\n!\n.O\n..O\n*OO\n\n", wholeGrid, glider},
      {"#Life 1.06\n0 -1\n1 0\n-1 1\n0 1\n1 1\n", wholeGrid, glider},
      {test::blinkerLifeXml, wholeGrid, "*/*/*"},
      {test::rPentominoMacrocell, wholeGrid, ".**/**./.*."},
      {"", wholeGrid, noPattern},
      {" \r\n\t\n", wholeGrid, noPattern},
      {"Ein Gleiter zieht nach rechts unten. x = 3, y = 3!", wholeGrid, noPattern},
      {"x = 0, y = 0\n!\n", wholeGrid, noPattern},
      {"...\n...\n", wholeGrid, noPattern},
      {"x = 3, y = 3, rule = B36/S23\nbo$2bo$3o!\n", wholeGrid,
       "Regel wird nicht unterst\xC3\xBCtzt: B36/S23"},
      {"Seht:\n  #r B36/S23\n  x = 3, y = 3\n  bo$2bo$3o!\n", wholeGrid,
       "Regel wird nicht unterst\xC3\xBCtzt: B36/S23"},
      {"x = 3, y = 3\nbo$2bo$3o!\n",
       {2, 50},
       "Das Muster ist gr\xC3\xB6\xC3\x9F"
       "er als das sichtbare Feld: 3 \xC3\x97 3 Zellen, sichtbar sind 2 \xC3\x97 50."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const ClipboardReading reading = readClipboardPattern(c.text, c.visible);
    ASSERT_NE(reading.block.has_value(), reading.message.has_value());
    if (reading.message) {
      EXPECT_EQ(reading.message->text, c.pasted);
      EXPECT_EQ(reading.message->caption, "Orvalis");
      EXPECT_EQ(reading.message->icon, MessageIcon::Error);
    } else {
      EXPECT_EQ(rowsOf(*reading.block), c.pasted);
    }
  }
}

}  // namespace
}  // namespace orvalis
