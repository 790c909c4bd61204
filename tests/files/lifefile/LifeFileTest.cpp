#include <gtest/gtest.h>

#include "files/DocumentApply.h"
#include "files/lifefile/LifeFile.h"
#include "settings/SettingsRecord.h"
#include "tests/files/PatternExamples.h"
#include "tests/support/DocumentFiles.h"
#include "tests/support/TempFolder.h"

namespace orvalis {
namespace {

using test::lifeFileHeader;

TEST(LifeFile, BlinkerIsWrittenByteForByteAndNamesTheFile) {
  SettingsRecord settings;
  CellGrid grid;
  test::setUpBlinker(settings, grid);
  EXPECT_EQ(lifeFileBytes(fieldDocument(settings, grid)), test::blinkerLifeFile);

  const test::TempFolder folder;
  const std::string path = folder.path("blinker.lif");
  ASSERT_TRUE(test::saveAs(FormatId::LifeFile, path, settings, grid));
  EXPECT_EQ(test::fileContent(path), test::blinkerLifeFile);
  EXPECT_EQ(settings.gadgetText(GadgetId::FileNameField), "blinker.lif");
}

TEST(LifeFile, BlinkerReadsBackWithItsCommentJoinedIntoOneLine) {
  SettingsRecord settings;
  settings.setGadgetValue(GadgetId::HideCheck, 1);
  settings.setGadgetText(GadgetId::AuthorField, "Anna");
  settings.setGadgetText(GadgetId::SourceField, "www.example.org");
  settings.setGadgetValue(GadgetId::DateField, 1796596200);
  CellGrid grid;
  grid.at(1, 1).pending = PendingMark::Die;
  grid.at(3, 0).state = CellState::Static;  // outside the file's rectangle

  const test::TempFolder folder;
  ASSERT_TRUE(test::loadInto(FormatId::LifeFile, folder.write("blinker.lif", test::blinkerLifeFile),
                             settings, grid)
                  .loaded());
  EXPECT_EQ(settings.gadgetText(GadgetId::FileNameField), "blinker.lif");
  EXPECT_EQ(settings.gadgetText(GadgetId::IntervalSpin), "1000");
  EXPECT_EQ(settings.gadgetValue(GadgetId::SizeXSpin), 3);
  EXPECT_EQ(settings.gadgetValue(GadgetId::SizeYSpin), 3);
  EXPECT_EQ(settings.gadgetValue(GadgetId::GridCheck), 1);
  EXPECT_EQ(settings.gadgetValue(GadgetId::InfiniteCheck), 0);
  EXPECT_EQ(settings.gadgetText(GadgetId::CommentEditor), "BlinkerPeriode 2");
  EXPECT_EQ(settings.gadgetValue(GadgetId::HideCheck), 1) << "not stored";
  EXPECT_EQ(settings.gadgetText(GadgetId::AuthorField), "");
  EXPECT_EQ(settings.gadgetValue(GadgetId::DateField), 0);
  EXPECT_EQ(settings.gadgetText(GadgetId::SourceField), "www.example.org");
  EXPECT_EQ(grid.at(1, 1).state, CellState::Alive);
  EXPECT_EQ(grid.at(1, 1).remembered, CellState::Alive);
  EXPECT_EQ(grid.at(1, 1).pending, PendingMark::None);
  EXPECT_EQ(grid.at(0, 1).state, CellState::Dead);
  EXPECT_EQ(grid.at(3, 0).state, CellState::Static);
}

TEST(LifeFile, SmallestFileAndIntervalTextThatIsNoNumber) {
  SettingsRecord settings;
  settings.setGadgetValue(GadgetId::SizeXSpin, 1);
  settings.setGadgetValue(GadgetId::SizeYSpin, 1);
  settings.setGadgetText(GadgetId::IntervalSpin, "schnell");
  CellGrid grid;
  const std::string bytes = lifeFileBytes(fieldDocument(settings, grid));
  EXPECT_EQ(bytes, lifeFileHeader(0, 1, 1) + std::string(1, '\0'));

  SettingsRecord reader;
  placeDocument(lifeFileDocument(bytes), reader, grid);
  EXPECT_EQ(reader.gadgetText(GadgetId::IntervalSpin), "0");
}

TEST(LifeFile, ASmallerFileOverwritesOnlyItsRectangle) {
  CellGrid grid;
  for (int x = 0; x < 50; ++x) {
    for (int y = 0; y < 50; ++y) {
      grid.at(x, y).state = CellState::Blocked;
    }
  }
  SettingsRecord settings;
  placeDocument(lifeFileDocument(lifeFileHeader(500, 2, 2) + std::string("\x01\x02\x03\x00", 4)),
                settings, grid);
  EXPECT_EQ(settings.gadgetValue(GadgetId::SizeXSpin), 2);
  EXPECT_EQ(grid.at(0, 0).state, CellState::Alive);
  EXPECT_EQ(grid.at(1, 0).state, CellState::Static);
  EXPECT_EQ(grid.at(0, 1).state, CellState::Blocked);
  EXPECT_EQ(grid.at(1, 1).state, CellState::Dead);
  EXPECT_EQ(grid.at(2, 0).state, CellState::Blocked);
  EXPECT_EQ(grid.at(0, 2).state, CellState::Blocked);
}

TEST(LifeFile, MissingBytesReadAsZero) {
  SettingsRecord settings;
  CellGrid grid;
  grid.at(2, 1).state = CellState::Alive;
  placeDocument(
      lifeFileDocument(lifeFileHeader(1000, 3, 3, 1).substr(0, 12) + std::string("\x01", 1)),
      settings, grid);
  EXPECT_EQ(settings.gadgetValue(GadgetId::SizeYSpin), 3);
  EXPECT_EQ(settings.gadgetValue(GadgetId::GridCheck), 1) << "the one byte left is its low byte";
  EXPECT_EQ(grid.at(2, 1).state, CellState::Dead);

  placeDocument(lifeFileDocument(lifeFileHeader(1000, 3, 3) + std::string("\x01\x01", 2)), settings,
                grid);
  EXPECT_EQ(grid.at(0, 0).state, CellState::Alive);
  EXPECT_EQ(grid.at(1, 0).state, CellState::Alive);
  EXPECT_EQ(grid.at(2, 0).state, CellState::Dead);
  EXPECT_EQ(settings.gadgetText(GadgetId::CommentEditor), "");

  placeDocument(lifeFileDocument(std::string("\x2C\x01", 2)), settings, grid);
  EXPECT_EQ(settings.gadgetText(GadgetId::IntervalSpin), "300");
}

TEST(LifeFile, StrayCellBytesAreKeptBothWays) {
  SettingsRecord settings;
  settings.setGadgetValue(GadgetId::SizeXSpin, 2);
  settings.setGadgetValue(GadgetId::SizeYSpin, 1);
  CellGrid grid;
  grid.at(0, 0).state = static_cast<CellState>(7);
  grid.at(1, 0).state = static_cast<CellState>(-1);
  const std::string bytes = lifeFileBytes(fieldDocument(settings, grid));
  EXPECT_EQ(bytes.substr(20), std::string("\x07\xFF", 2));

  CellGrid read;
  placeDocument(lifeFileDocument(bytes), settings, read);
  EXPECT_EQ(static_cast<int>(read.at(0, 0).state), 7);
  EXPECT_EQ(static_cast<int>(read.at(1, 0).remembered), -1);
}

TEST(LifeFile, CommentLinesEndAtCrLfOrZeroBytes) {
  SettingsRecord settings;
  CellGrid grid;
  placeDocument(lifeFileDocument(lifeFileHeader(1, 1, 1) + std::string("\x00"
                                                                       "a\rb\nc\r\nd\0e\n\r",
                                                                       13)),
                settings, grid);
  EXPECT_EQ(settings.gadgetText(GadgetId::CommentEditor), "abcde");
}

}  // namespace
}  // namespace orvalis
