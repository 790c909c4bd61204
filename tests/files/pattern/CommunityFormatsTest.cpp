// RLE and plaintext: published patterns read and evolved as Golly evolves
// them, the placement rules, exported fields read back, and hostile files
// refused with nothing changed.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <utility>
#include <variant>

#include "engine/GenerationStep.h"
#include "engine/Population.h"
#include "engine/Random.h"
#include "files/DocumentApply.h"
#include "files/FileFormats.h"
#include "files/FileMessages.h"
#include "files/pattern/ExportedPattern.h"
#include "files/rle/RleReader.h"
#include "settings/SettingsRecord.h"
#include "tests/files/ClassicPatterns.h"
#include "tests/support/DocumentFiles.h"
#include "tests/support/LoadedState.h"
#include "tests/support/TempFolder.h"

namespace orvalis {
namespace {

using Shape = std::set<std::pair<int, int>>;

// Living cells moved so that the topmost and the leftmost lie at 0.
Shape normalised(const Shape& cells) {
  int left = gridColumns;
  int top = gridRows;
  for (const auto& [x, y] : cells) {
    left = std::min(left, x);
    top = std::min(top, y);
  }
  Shape moved;
  for (const auto& [x, y] : cells) {
    moved.insert({x - left, y - top});
  }
  return moved;
}

struct Target {
  test::TempFolder folder;
  SettingsRecord settings;
  LifeField field;

  std::optional<UserMessage> load(std::string_view text, FormatId format) {
    const std::string path =
        folder.write(format == FormatId::Rle ? "muster.rle" : "muster.cells", text);
    return test::loadInto(format, path, settings, field.cells).message;
  }

  void setSize(int columns, int rows) {
    settings.setGadgetValue(GadgetId::SizeXSpin, columns);
    settings.setGadgetValue(GadgetId::SizeYSpin, rows);
  }

  FieldSize size() { return visibleFieldSize(settings); }

  Shape living() {
    Shape cells;
    const FieldSize shown = size();
    for (int y = 0; y < shown.rows; ++y) {
      for (int x = 0; x < shown.columns; ++x) {
        if (field.cells.at(x, y).state == CellState::Alive) {
          cells.insert({x, y});
        }
      }
    }
    return cells;
  }

  // Generations as the simulation driver runs them after a load.
  void run(int generations) {
    field.fieldEdited = true;
    const StepSettings step{size(), settings.gadgetValue(GadgetId::InfiniteCheck) != 0};
    for (int k = 0; k <= generations; ++k) {
      advanceGeneration(field, step, nullptr);
    }
  }
};

Shape shapeOfRle(const std::string& text) {
  const PatternReading reading = readRle(text);
  Shape cells;
  for (const auto cell : std::get<ReadPattern>(reading).living) {
    cells.insert({cell.x, cell.y});
  }
  return normalised(cells);
}

TEST(ClassicPatterns, EvolveCellForCellAsInGolly) {
  struct Case {
    const char* name;
    const std::string& text;
    FormatId format;
    FieldSize field;
    int generations;
    const std::string& golly;
  };
  const Case cases[] = {
      {"Gosper glider gun",
       test::gosperGliderGun,
       FormatId::Rle,
       {60, 40},
       120,
       test::gosperGliderGunAt120},
      {"R-pentomino", test::rPentomino, FormatId::Rle, {100, 100}, 1000, test::rPentominoAt1000},
      {"acorn", test::acorn, FormatId::Rle, {120, 80}, 100, test::acornAt100},
      {"pulsar", test::pulsar, FormatId::Rle, {20, 20}, 1, test::pulsarAt1},
      {"LWSS",
       test::lightweightSpaceship,
       FormatId::Plaintext,
       {30, 10},
       4,
       test::lightweightSpaceshipAt4},
      {"diehard", test::diehard, FormatId::Rle, {40, 40}, 129, test::diehardAt129},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Target target;
    target.setSize(c.field.columns, c.field.rows);
    ASSERT_FALSE(target.load(c.text, c.format));
    EXPECT_EQ(target.size(), c.field);
    target.run(c.generations);
    EXPECT_EQ(normalised(target.living()), shapeOfRle(c.golly));
  }

  // Public figures: the pulsar's period of 3 (48, 56, 72 cells), the
  // R-pentomino's first populations, diehard's end at generation 130.
  Target pulsar;
  pulsar.setSize(20, 20);
  ASSERT_FALSE(pulsar.load(test::pulsar, FormatId::Rle));
  std::vector<std::size_t> populations;
  pulsar.field.fieldEdited = true;
  for (int k = 0; k <= 4; ++k) {
    advanceGeneration(pulsar.field, {{20, 20}, false}, nullptr);
    populations.push_back(pulsar.living().size());
  }
  EXPECT_EQ(populations, (std::vector<std::size_t>{48, 56, 72, 48, 56}));

  Target rPentomino;
  ASSERT_FALSE(rPentomino.load(test::rPentomino, FormatId::Rle));
  populations.clear();
  rPentomino.field.fieldEdited = true;
  for (int k = 0; k <= 8; ++k) {
    advanceGeneration(rPentomino.field, {{50, 50}, false}, nullptr);
    populations.push_back(rPentomino.living().size());
  }
  EXPECT_EQ(populations, (std::vector<std::size_t>{5, 6, 7, 9, 8, 9, 12, 11, 18}));

  Target diehard;
  ASSERT_FALSE(diehard.load(test::diehard, FormatId::Rle));
  diehard.run(130);
  EXPECT_TRUE(diehard.living().empty());
}

TEST(RleReading, RulesGridsAndPlacement) {
  struct Case {
    const char* text;
    FieldSize field;  // with the visible field 10 x 8 before the load
    bool infinite;
    Shape living;
  };
  const Case cases[] = {
      // Centred as Golly centres: columns 10/2 - 3/2, rows 8/2 - 1/2.
      {"x = 3, y = 1, rule = B3/S23\n3o!", {10, 8}, true, {{4, 4}, {5, 4}, {6, 4}}},
      {"x=3,y=1,rule=b3s23\r\nobo!", {10, 8}, true, {{4, 4}, {6, 4}}},
      {"x = 3, y = 1, rule = S23/B3\no.o!", {10, 8}, true, {{4, 4}, {6, 4}}},
      {"x = 3, y = 1\n2bA!", {10, 8}, true, {{6, 4}}},
      {"x = 3, y = 1, rule = Life\n2bo!", {10, 8}, true, {{6, 4}}},
      // The header's extent counts, and cells beyond it too.
      {"x = 6, y = 4, rule = 23/3\n$o!", {10, 8}, true, {{2, 3}}},
      {"x = 1, y = 1\n\n 2 o\n$2b o !this is ignored", {10, 8}, true, {{4, 3}, {5, 3}, {6, 4}}},
      // Larger than the visible field: the field grows to fit.
      {"x = 12, y = 2\no10bo$11bo!", {12, 8}, true, {{0, 3}, {11, 3}, {11, 4}}},
      // Golly's bounded grids: size and kind, position by #CXRLE Pos.
      {"x = 2, y = 1, rule = B3/S23:T7,5\n2o!", {7, 5}, true, {{2, 2}, {3, 2}}},
      {"#CXRLE Pos=-3,-2\nx = 2, y = 1, rule = B3/S23:P7,5\n2o!", {7, 5}, false, {{0, 0}, {1, 0}}},
      {"#CXRLE Pos=2,1 Gen=7\nx = 1, y = 1, rule = B3/S23:P7,5\no!", {7, 5}, false, {{5, 3}}},
      {"#P 0 0\nx = 1, y = 1, rule = B3/S23:t7,5\no!", {7, 5}, true, {{3, 2}}},
      // Cells placed outside a grid too small for them are lost.
      {"#CXRLE Pos=2,0\nx = 2, y = 1, rule = B3/S23:P6,1\n2o!", {6, 1}, false, {{5, 0}}},
      {"#CXRLE Pos=-1,99999999999999999999\nx = 1, y = 1, rule = B3/S23:P6,2\no!",
       {6, 2},
       false,
       {}},
      {"#P 99999999999999999999 0\nx = 1, y = 1, rule = B3/S23:T6,1\no!", {6, 1}, true, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Target target;
    target.setSize(10, 8);
    target.settings.setGadgetValue(GadgetId::InfiniteCheck, 1);
    target.field.cells.at(9, 7).state = CellState::Static;
    target.field.cells.at(400, 400).state = CellState::Alive;
    ASSERT_FALSE(target.load(c.text, FormatId::Rle));
    EXPECT_EQ(target.size(), c.field);
    EXPECT_EQ(target.settings.gadgetValue(GadgetId::InfiniteCheck), c.infinite ? 1 : 0);
    EXPECT_EQ(target.living(), c.living);
    EXPECT_EQ(target.field.cells.at(9, 7).state,
              c.living.contains({9, 7}) ? CellState::Alive : CellState::Dead);
    EXPECT_EQ(target.field.cells.at(400, 400).state, CellState::Dead);
    for (const auto& [x, y] : c.living) {
      EXPECT_EQ(target.field.cells.at(x, y).remembered, CellState::Alive);
    }
  }
}

TEST(CommunityFormats, DetailsBecomeCommentAuthorAndSource) {
  Target rle;
  rle.settings.setGadgetText(GadgetId::IntervalSpin, "250");
  rle.settings.setGadgetValue(GadgetId::DateField, 1796596200);
  rle.settings.setGadgetText(GadgetId::SourceField, "https://alt.example");
  ASSERT_FALSE(rle.load(test::gosperGliderGun, FormatId::Rle));
  EXPECT_EQ(rle.settings.gadgetText(GadgetId::CommentEditor),
            "Gosper glider gun\r\nA true period 30 glider gun.\r\n"
            "www.conwaylife.com/wiki/index.php?title=Gosper_glider_gun");
  EXPECT_EQ(rle.settings.gadgetText(GadgetId::AuthorField), "Bill Gosper");
  EXPECT_EQ(rle.settings.gadgetText(GadgetId::SourceField),
            "www.conwaylife.com/wiki/index.php?title=Gosper_glider_gun");
  EXPECT_EQ(rle.settings.gadgetText(GadgetId::FileNameField), "muster.rle");
  EXPECT_EQ(rle.settings.gadgetText(GadgetId::IntervalSpin), "250");
  EXPECT_EQ(rle.settings.gadgetValue(GadgetId::DateField), 0);

  Target cells;
  cells.settings.setGadgetText(GadgetId::AuthorField, "alt");
  cells.settings.setGadgetText(GadgetId::SourceField, "https://alt.example");
  ASSERT_FALSE(cells.load("!Name: Gro\xC3\x9F\n!Author: Conway\n!\n! zwei\n*\n\n.O*\n",
                          FormatId::Plaintext));
  EXPECT_EQ(cells.settings.gadgetText(GadgetId::CommentEditor), "Gro\xDF\r\n\r\nzwei");
  EXPECT_EQ(cells.settings.gadgetText(GadgetId::AuthorField), "Conway");
  EXPECT_EQ(cells.settings.gadgetText(GadgetId::SourceField), "");
  // Short rows are dead to the right, an empty line is an empty row.
  EXPECT_EQ(normalised(cells.living()), (Shape{{0, 0}, {1, 2}, {2, 2}}));
}

// A 500 x 500 field and smaller ones, static and blocked cells among them.
TEST(CommunityFormats, ExportedFieldsReadBackIdentical) {
  Random random(7);
  for (const FieldSize size :
       {FieldSize{1, 1}, FieldSize{9, 4}, FieldSize{137, 61}, FieldSize{500, 500}}) {
    for (const bool torus : {false, true}) {
      SCOPED_TRACE(std::to_string(size.columns) + "x" + std::to_string(size.rows));
      Target source;
      source.setSize(size.columns, size.rows);
      source.settings.setGadgetValue(GadgetId::InfiniteCheck, torus ? 1 : 0);
      for (int y = 0; y < size.rows; ++y) {
        for (int x = 0; x < size.columns; ++x) {
          source.field.cells.at(x, y).state = static_cast<CellState>(random.draw(3));
        }
      }
      Shape expected;
      for (int y = 0; y < size.rows; ++y) {
        for (int x = 0; x < size.columns; ++x) {
          if (countsAsLiving(source.field.cells.at(x, y).state)) {
            expected.insert({x, y});
          }
        }
      }
      const std::string rle =
          fileFormat(FormatId::Rle).write(fieldDocument(source.settings, source.field.cells));
      std::istringstream lines(rle);
      for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with("#")) {
          EXPECT_LE(line.size(), 70u);
        }
      }
      Target back;
      back.setSize(3, 3);
      ASSERT_FALSE(back.load(rle, FormatId::Rle));
      EXPECT_EQ(back.size(), size);
      EXPECT_EQ(back.settings.gadgetValue(GadgetId::InfiniteCheck), torus ? 1 : 0);
      EXPECT_EQ(back.living(), expected);
    }
  }
}

TEST(CommunityFormats, WrittenFiles) {
  Target target;
  target.setSize(7, 5);
  // A line break from a LifeXML attribute must not end the author's line.
  target.settings.setGadgetText(GadgetId::AuthorField,
                                "Anna\nM\xFC"
                                "ller");
  target.settings.setGadgetText(GadgetId::CommentEditor, "feld\r\n  Zeile eins  \r\n\r\n \r\n");
  target.settings.setGadgetText(GadgetId::SourceField, "https://example.org/feld");
  CellGrid& grid = target.field.cells;
  grid.at(1, 1).state = CellState::Alive;
  grid.at(2, 1).state = CellState::Static;
  grid.at(3, 1).state = CellState::Blocked;
  grid.at(4, 1).state = CellState::Alive;
  grid.at(0, 3).state = CellState::Alive;
  grid.at(6, 6).state = CellState::Alive;  // outside the visible field
  EXPECT_TRUE(holdsFixedCells(*fieldDocument(target.settings, grid).cells));
  EXPECT_EQ(fileFormat(FormatId::Rle).write(fieldDocument(target.settings, grid)),
            "#CXRLE Pos=-3,-2\n"
            "#N feld\n"
            "#O Anna M\xC3\xBCller\n"
            "#C Zeile eins\n"
            "#C https://example.org/feld\n"
            "x = 7, y = 5, rule = B3/S23:P7,5\n"
            "$b2obo2$o!\n");
  target.settings.setGadgetValue(GadgetId::InfiniteCheck, 1);
  EXPECT_EQ(fileFormat(FormatId::Plaintext).write(fieldDocument(target.settings, grid)),
            "!Name: feld\n"
            "!Author: Anna M\xC3\xBCller\n"
            "! Zeile eins\n"
            "! https://example.org/feld\n"
            ".\n"
            ".OO.O\n"
            ".\n"
            "O\n"
            ".......\n");

  // Long rows break before 70 characters, never inside a run.
  target.setSize(200, 1);
  for (int x = 0; x < 200; ++x) {
    grid.at(x, 0).state = x % 2 == 0 ? CellState::Alive : CellState::Dead;
  }
  const std::string rle = fileFormat(FormatId::Rle).write(fieldDocument(target.settings, grid));
  std::string items;
  for (int x = 0; x < 199; ++x) {
    items += x % 2 == 0 ? 'o' : 'b';
  }
  EXPECT_EQ(rle.substr(rle.find("T200,1\n") + 7),
            items.substr(0, 70) + "\n" + items.substr(70, 70) + "\n" + items.substr(140) + "!\n");
  EXPECT_FALSE(holdsFixedCells(*fieldDocument(target.settings, grid).cells));
}

// The source is the comment's last web address.
TEST(CommunityFormats, CommentLinesWhereverTheyStandAndAfterAByteOrderMark) {
  struct Case {
    std::string text;
    FormatId format;
    std::string comment;
    std::string source;
    Shape living;
  };
  const Case cases[] = {
      {"\xEF\xBB\xBF#N Gleiter\nx = 3, y = 3\n#C zwischen Kopf und Zellen\nbo$2bo$\n#c mitten\n"
       "3o!\n#C danach\n# auch danach\nnicht",
       FormatId::Rle,
       "Gleiter\r\nzwischen Kopf und Zellen\r\nmitten\r\ndanach\r\nauch danach",
       "",
       {{1, 0}, {2, 1}, {0, 2}, {1, 2}, {2, 2}}},
      {"#\n# erste\n#\n#C http://a.example\n#r b3s23\nx = 1, y = 1\no!\n#C www.b.example\n#C\n",
       FormatId::Rle,
       "erste\r\n\r\nhttp://a.example\r\nwww.b.example",
       "www.b.example",
       {{0, 0}}},
      {"\xEF\xBB\xBF!Name: Block\n! Name: kein Name\n!Author: Conway\nOO\nOO\n",
       FormatId::Plaintext,
       "Block\r\nName: kein Name",
       "",
       {{0, 0}, {1, 0}, {0, 1}, {1, 1}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Target target;
    ASSERT_FALSE(target.load(c.text, c.format));
    EXPECT_EQ(target.settings.gadgetText(GadgetId::CommentEditor), c.comment);
    EXPECT_EQ(target.settings.gadgetText(GadgetId::SourceField), c.source);
    EXPECT_EQ(normalised(target.living()), c.living);
  }
}

// Collection files and our own, each loaded, then saved and loaded again
// three times: the same field, cells, comment, author, source and file.
TEST(CommunityFormats, LoadSaveLoadChangesNothing) {
  struct Case {
    std::string text;
    FormatId format;
  };
  const Case cases[] = {
      {test::gosperGliderGun, FormatId::Rle},
      {test::gosperGliderGunAt120, FormatId::Rle},
      {"#C erste\n#C\n#C http://a.example\n#C www.b.example\n#O Autorin\n"
       "x = 3, y = 2, rule = B3/S23\n$obo!",
       FormatId::Rle},
      {"x = 0, y = 0\n!", FormatId::Rle},
      {test::lightweightSpaceship, FormatId::Plaintext},
      {"!Name: Rand\n!\n!www.example.org\n!Author: A\n..\n.O\n...\n", FormatId::Plaintext},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Target target;
    target.setSize(7, 5);
    target.settings.setGadgetText(GadgetId::SourceField, "http://alt.example");
    ASSERT_FALSE(target.load(c.text, c.format));
    const test::LoadedState loaded = test::loadedState(target.settings, target.field.cells);
    const std::string path =
        target.folder.path(c.format == FormatId::Rle ? "kopie.rle" : "kopie.cells");
    std::string firstSaved;
    for (int round = 0; round < 3; ++round) {
      ASSERT_TRUE(test::saveAs(c.format, path, target.settings, target.field.cells));
      const std::string saved = test::fileContent(path);
      if (round == 0) {
        firstSaved = saved;
      }
      EXPECT_EQ(saved, firstSaved);
      ASSERT_TRUE(test::loadInto(c.format, path, target.settings, target.field.cells).loaded());
      EXPECT_EQ(test::loadedState(target.settings, target.field.cells), loaded);
    }
  }
}

TEST(HostileCommunityFiles, RefusedWithTheMessageAndNothingChanged) {
  const std::string tooLarge = patternTooLargeMessage().text;
  const std::string unreadable = lifeFileLoadFailedMessage().text;
  struct Case {
    std::string text;
    FormatId format;
    std::string message;
  };
  const Case cases[] = {
      {"x = 3, y = 3, rule = B36/S23\no!", FormatId::Rle, "Regel wird nicht unterstützt: B36/S23"},
      {"x = 3, y = 3, rule = B3/S23:K10,10\no!", FormatId::Rle,
       "Regel wird nicht unterstützt: B3/S23:K10,10"},
      {"#r 34/34\nx = 1, y = 1\no!", FormatId::Rle, "Regel wird nicht unterstützt: 34/34"},
      {"#r 34/34\nx = 1, y = 1, rule = B3/S23\no!", FormatId::Rle, "(loads)"},
      {"x = 2, y = 1\n2pA!", FormatId::Rle,
       "Regel wird nicht unterstützt: B3/S23 mit mehr als zwei Zuständen"},
      {"x = 2, y = 1, rule = b3s23\noB!", FormatId::Rle,
       "Regel wird nicht unterstützt: b3s23 mit mehr als zwei Zuständen"},
      {"x = 3, y = 3, rule = B3/S23:T600,136\no!", FormatId::Rle, tooLarge},
      {"x = 3, y = 3, rule = B3/S23:P10,99999999999\no!", FormatId::Rle, tooLarge},
      {"x = 3, y = 3, rule = B3/S23:P0,10\no!", FormatId::Rle,
       "Regel wird nicht unterstützt: B3/S23:P0,10"},
      {"x = 1, y = 1, rule = LifeHistory\no!", FormatId::Rle,
       "Regel wird nicht unterstützt: LifeHistory"},
      {"x = 501, y = 1\no!", FormatId::Rle, tooLarge},
      {"x = 999999999, y = 999999999\no!", FormatId::Rle, tooLarge},
      {"x = 1, y = 1\n500bo!", FormatId::Rle, tooLarge},
      {"x = 1, y = 1\n501o!", FormatId::Rle, tooLarge},
      {"x = 1, y = 1\n499$o!", FormatId::Rle, "(loads)"},
      {"x = 1, y = 1\n500$o!", FormatId::Rle, tooLarge},
      {"x = 1, y = 1\n999999999$999999999bo!", FormatId::Rle, tooLarge},
      {"x = 1, y = 1\n9999999999o!", FormatId::Rle, unreadable},
      {"x = 1, y = 1\n2o3#!", FormatId::Rle, unreadable},
      {"x = 99999999999999999999, y = 1\no!", FormatId::Rle, unreadable},
      {"x = -1, y = 1\no!", FormatId::Rle, unreadable},
      {"#C nur Kommentar\n", FormatId::Rle, unreadable},
      {"", FormatId::Rle, unreadable},
      {std::string("x = 1, y = 1\n\0o!", 16), FormatId::Rle, unreadable},
      {".O\nOX\n", FormatId::Plaintext, unreadable},
      {std::string(501, '.') + "\n", FormatId::Plaintext, tooLarge},
      {std::string(500, '\n') + "O\n" + std::string(498, '\n') + "O\n", FormatId::Plaintext,
       "(loads)"},
      {"O\n" + std::string(499, '\n') + "O\n", FormatId::Plaintext, tooLarge},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 60));
    Target target;
    target.setSize(20, 10);
    target.settings.setGadgetText(GadgetId::CommentEditor, "alt");
    target.settings.setGadgetText(GadgetId::FileNameField, "alt.lxm");
    target.field.cells.at(5, 5).state = CellState::Static;
    const auto message = target.load(c.text, c.format);
    if (c.message == "(loads)") {
      EXPECT_FALSE(message);
      continue;
    }
    ASSERT_TRUE(message);
    EXPECT_EQ(message->text, c.message);
    EXPECT_EQ(message->caption, "Orvalis");
    EXPECT_EQ(target.size(), (FieldSize{20, 10}));
    EXPECT_EQ(target.settings.gadgetText(GadgetId::CommentEditor), "alt");
    EXPECT_EQ(target.settings.gadgetText(GadgetId::FileNameField), "alt.lxm");
    EXPECT_EQ(target.field.cells.at(5, 5).state, CellState::Static);
    EXPECT_TRUE(target.living().empty());
  }
  Target missing;
  EXPECT_EQ(test::loadInto(FormatId::Rle, missing.folder.path("fehlt.rle"), missing.settings,
                           missing.field.cells)
                .message->text,
            unreadable);
}

}  // namespace
}  // namespace orvalis
