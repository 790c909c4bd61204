#include <gtest/gtest.h>

#include "files/DocumentApply.h"
#include "files/lifexml/CommentContent.h"
#include "files/lifexml/LifeXmlDocument.h"
#include "files/lifexml/LifeXmlReader.h"
#include "files/lifexml/LifeXmlWriter.h"
#include "settings/SettingsRecord.h"
#include "tests/files/PatternExamples.h"
#include "tests/support/DocumentFiles.h"
#include "tests/support/LoadedState.h"
#include "tests/support/TempFolder.h"

namespace orvalis {
namespace {

// The lines of a written file between "<Orvalis>" and "</Orvalis>".
std::string body(const std::string& xml) {
  const std::size_t start = xml.find("<Orvalis>") + 9;
  return xml.substr(start, xml.find("\r\n</Orvalis>") - start);
}

TEST(LifeXmlWriting, BlinkerIsWrittenByteForByteAndNamesTheFile) {
  SettingsRecord settings;
  CellGrid grid;
  test::setUpBlinker(settings, grid);
  EXPECT_EQ(lifeXmlText(fieldDocument(settings, grid)), test::blinkerLifeXml);
  EXPECT_EQ(test::blinkerLifeXml.size(), 336u);

  const test::TempFolder folder;
  const std::string path = folder.path("blinker.lxm");
  ASSERT_TRUE(test::saveAs(FormatId::LifeXml, path, settings, grid));
  EXPECT_EQ(test::fileContent(path), test::blinkerLifeXml);
  EXPECT_EQ(settings.gadgetText(GadgetId::FileNameField), "blinker.lxm");
}

TEST(LifeXmlWriting, EmptyFieldAndEmptyMetadataLeaveOptionalElementsOut) {
  SettingsRecord settings;
  CellGrid grid;
  grid.at(50, 0).state = CellState::Alive;  // beyond the visible 50 x 50
  EXPECT_EQ(lifeXmlText(fieldDocument(settings, grid)),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n\r\n<Orvalis>\r\n"
            "  <Interval ms=\"1000\"/>\r\n"
            "  <Dimensions x=\"50\" y=\"50\"/>\r\n"
            "  <Options grid=\"0\" infinite=\"0\" hide=\"0\"/>\r\n"
            "  <Fields/>\r\n"
            "</Orvalis>\r\n");
}

TEST(LifeXmlWriting, CellElementsFollowRowOrderAndStoreOnlyTheThreeKinds) {
  SettingsRecord settings;
  settings.setGadgetValue(GadgetId::SizeXSpin, 3);
  settings.setGadgetValue(GadgetId::SizeYSpin, 2);
  CellGrid grid;
  grid.at(2, 0).state = CellState::Blocked;
  grid.at(0, 1).state = CellState::Static;
  grid.at(1, 0).state = CellState::Alive;
  grid.at(2, 1).state = static_cast<CellState>(9);   // a stray byte from a Life file
  grid.at(1, 1).state = static_cast<CellState>(-1);  // likewise
  grid.at(0, 2).state = CellState::Alive;            // below the visible rows
  grid.at(0, 0).pending = PendingMark::Birth;
  const std::string xml = lifeXmlText(fieldDocument(settings, grid));
  EXPECT_EQ(xml.substr(xml.find("  <Fields>")),
            "  <Fields>\r\n"
            "    <F x=\"1\" y=\"0\"/>\r\n"
            "    <E x=\"2\" y=\"0\"/>\r\n"
            "    <S x=\"0\" y=\"1\"/>\r\n"
            "  </Fields>\r\n"
            "</Orvalis>\r\n");
}

TEST(LifeXmlWriting, TextsAreEscapedAndWrittenAsUtf8) {
  SettingsRecord settings;
  CellGrid grid;
  settings.setGadgetText(GadgetId::IntervalSpin, "12abc");  // the text, not the value
  settings.setGadgetValue(GadgetId::HideCheck, 1);
  settings.setGadgetText(GadgetId::CommentEditor, "a < b & c > d 'x' \"y\" \xDF");
  settings.setGadgetText(GadgetId::AuthorField, "O'Neil & \xDF\xE9");
  settings.setGadgetText(GadgetId::SourceField, "http://x/?a=\"1\"&b=<2>");
  EXPECT_EQ(body(lifeXmlText(fieldDocument(settings, grid))),
            "\r\n  <Interval ms=\"12abc\"/>"
            "\r\n  <Dimensions x=\"50\" y=\"50\"/>"
            "\r\n  <Options grid=\"0\" infinite=\"0\" hide=\"1\"/>"
            "\r\n  <Comment>\r\n    a &lt; b &amp; c &gt; d 'x' \"y\" \xC3\x9F\r\n  </Comment>"
            "\r\n  <Author name=\"O&apos;Neil &amp; \xC3\x9F\xC3\xA9\"/>"
            "\r\n  <Source url=\"http://x/?a=&quot;1&quot;&amp;b=&lt;2&gt;\"/>"
            "\r\n  <Fields/>");
}

// Control characters pasted into a text field would make the file
// malformed, and reading would stop there, before the cells.
TEST(LifeXmlWriting, ControlCharactersAreLeftOutSoTheFileReadsBackWhole) {
  std::string controls;
  for (char c = 1; c < 0x20; ++c) {
    controls += c;
  }
  for (const GadgetId id :
       {GadgetId::CommentEditor, GadgetId::AuthorField, GadgetId::SourceField}) {
    SettingsRecord settings;
    CellGrid grid;
    test::setUpBlinker(settings, grid);
    settings.setGadgetText(id, "A\x01" + controls + "B\x7F\xE4");
    const std::string xml = lifeXmlText(fieldDocument(settings, grid));
    settings.setGadgetText(id, "A\t\n\rB\x7F\xE4");
    EXPECT_EQ(xml, lifeXmlText(fieldDocument(settings, grid))) << "only tab, LF and CR are kept";

    SettingsRecord readSettings;
    CellGrid readGrid;
    const auto document = parseLifeXml(xml);
    ASSERT_TRUE(document);
    ASSERT_EQ(test::placeLifeXml(*document, ReadMode::Full, "x.lxm", readSettings, readGrid),
              test::xmlLoaded);
    for (int y = 0; y < 3; ++y) {
      EXPECT_EQ(readGrid.at(1, y).state, CellState::Alive) << "gadget " << static_cast<int>(id);
    }
  }
}

// Loaded, then saved and loaded again three times: the same field, cells,
// comment, author and source. (The writer tidies blanks and blank lines of
// a comment once, as it must write it.)
TEST(LifeXmlWriting, LoadSaveLoadChangesNothing) {
  const std::string files[] = {
      test::blinkerLifeXml,
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<orvalis>\r\n"
      "<Dimensions x=\"500\" y=\"7\"/><Options grid=\"0\" infinite=\"1\" hide=\"1\"/>\r\n"
      "<Comment>\r\n    Zeile &amp; \xC3\x9F\r\n    &lt;roh&gt;\r\n  </Comment>\r\n"
      "<Author name=\"A &lt;B&gt;\"/><Source url=\"https://x.example/?a=1&amp;b=2\"/>\r\n"
      "<Fields><F x=\"0\" y=\"0\"/><S x=\"499\" y=\"6\"/><E x=\"250\" y=\"3\"/>"
      "</Fields></orvalis>\r\n",
  };
  for (const std::string& file : files) {
    SCOPED_TRACE(file);
    const test::TempFolder folder;
    SettingsRecord settings;
    CellGrid grid;
    const auto load = [&](const std::string& path) {
      ASSERT_TRUE(test::loadInto(FormatId::LifeXml, path, settings, grid).loaded());
    };
    load(folder.write("muster.lxm", file));
    const test::LoadedState loaded = test::loadedState(settings, grid);
    const std::string path = folder.path("kopie.lxm");
    for (int round = 0; round < 3; ++round) {
      ASSERT_TRUE(test::saveAs(FormatId::LifeXml, path, settings, grid));
      load(path);
      EXPECT_EQ(test::loadedState(settings, grid), loaded);
    }
  }
}

TEST(CommentContent, TidiesLinesAndIndentsThem) {
  EXPECT_EQ(commentContent("Blinker\r\nPeriode 2"), "\r\n    Blinker\r\n    Periode 2\r\n  ");
  EXPECT_EQ(commentContent(" \t \r\n\n\r  "), "\r\n  ") << "only blanks and line breaks";
  EXPECT_EQ(commentContent("\t  eins  \t zwei\t\t"), "\r\n    eins zwei\t\r\n  ");
  EXPECT_EQ(commentContent("a\rb\nc\r\n\r\nd"), "\r\n    a\r\n    b\r\n    c\r\n    d\r\n  ");
}

TEST(CommentContent, ReadingDropsOnlyTheIndentation) {
  const std::pair<const char*, const char*> cases[] = {
      {"\r\n    Blinker\r\n    Periode 2\r\n  ", "Blinker\r\nPeriode 2\r\n "},
      {"\n    Blinker\n    Periode 2\n  ", "Blinker\nPeriode 2\n "},
      {"\r    Blinker\r    Periode 2\r  ", "Blinker\rPeriode 2\r "},
      {"\r\n  ", ""},
      {"Hallo", "Hallo"},
      {"  Hallo Welt!", "Hallo Welt!"},
      {"\r\n    a     b\r\n  ", "a b\r\n "},  // five spaces leave one
  };
  for (const auto& [content, comment] : cases) {
    EXPECT_EQ(commentFromContent(content), comment) << content;
  }
}

// The program's own file, its line breaks changed by an editor or by git,
// reads back as the file it was and saves as it.
TEST(LifeXmlWriting, FilesWithOtherLineBreaksReadBackExactly) {
  SettingsRecord settings;
  CellGrid grid;
  test::setUpBlinker(settings, grid);
  settings.setGadgetText(GadgetId::CommentEditor, "Blinker\r\nPeriode 2");
  const test::TempFolder folder;
  const std::string original = folder.path("blinker.lxm");
  ASSERT_TRUE(test::saveAs(FormatId::LifeXml, original, settings, grid));
  const std::string written = test::fileContent(original);
  for (const char* lineBreak : {"\n", "\r"}) {
    const std::string converted = test::withLineBreaks(written, lineBreak);
    SettingsRecord readSettings;
    CellGrid readGrid;
    ASSERT_TRUE(test::loadInto(FormatId::LifeXml, folder.write("umgestellt.lxm", converted),
                               readSettings, readGrid)
                    .loaded());
    const std::string saved = folder.path("wieder.lxm");
    ASSERT_TRUE(test::saveAs(FormatId::LifeXml, saved, readSettings, readGrid));
    EXPECT_EQ(test::fileContent(saved), written) << "line breaks " << int(lineBreak[0]);
  }
}

TEST(CommentContent, SavingAReadCommentWritesTheSameContent) {
  const std::string content = "\r\n    Blinker\r\n    Periode 2\r\n  ";
  EXPECT_EQ(commentContent(commentFromContent(content)), content);
}

}  // namespace
}  // namespace orvalis
