#include <gtest/gtest.h>

#include "files/DocumentApply.h"
#include "files/lifexml/CellLines.h"
#include "files/lifexml/LifeXmlDocument.h"
#include "files/lifexml/LifeXmlReader.h"
#include "files/lifexml/LifeXmlWriter.h"
#include "settings/SettingsRecord.h"
#include "tests/files/PatternExamples.h"
#include "tests/support/DocumentFiles.h"
#include "tests/support/TempFolder.h"

namespace orvalis {
namespace {

const char* const declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";

// Settings and field that a document is applied to.
struct Target {
  SettingsRecord settings;
  CellGrid grid;

  std::string apply(std::string_view xml, ReadMode mode = ReadMode::Full,
                    const std::string& path = "/muster/test.lxm") {
    const auto document = parseLifeXml(xml);
    EXPECT_TRUE(document.has_value());
    return test::placeLifeXml(*document, mode, path, settings, grid);
  }

  long long value(GadgetId id) { return settings.gadgetValue(id); }
  std::string text(GadgetId id) { return settings.gadgetText(id); }
  CellState state(int x, int y) const { return grid.at(x, y).state; }
};

std::string orvalis(std::string_view children) {
  return std::string(declaration) + "<Orvalis>" + std::string(children) + "</Orvalis>";
}

TEST(LifeXmlReading, BlinkerReadsBackInFullMode) {
  Target target;
  target.grid.at(499, 499).state = CellState::Static;
  target.grid.at(2, 2).pending = PendingMark::Birth;
  target.grid.at(2, 2).remembered = CellState::Alive;
  ASSERT_EQ(target.apply(test::blinkerLifeXml, ReadMode::Full, "C:\\muster/blinker.lxm"),
            test::xmlLoaded);

  EXPECT_EQ(target.text(GadgetId::FileNameField), "blinker.lxm");
  EXPECT_EQ(target.value(GadgetId::IntervalSpin), 1000);
  EXPECT_EQ(target.value(GadgetId::SizeXSpin), 3);
  EXPECT_EQ(target.value(GadgetId::SizeYSpin), 3);
  EXPECT_EQ(target.value(GadgetId::GridCheck), 1);
  EXPECT_EQ(target.value(GadgetId::InfiniteCheck), 0);
  EXPECT_EQ(target.text(GadgetId::CommentEditor), "Blinker\r\nPeriode 2\r\n ");
  EXPECT_EQ(target.value(GadgetId::DateField), 1796596200);
  for (int x = 0; x < 3; ++x) {
    for (int y = 0; y < 3; ++y) {
      const CellState expected = x == 1 ? CellState::Alive : CellState::Dead;
      EXPECT_EQ(target.state(x, y), expected) << x << "," << y;
      EXPECT_EQ(target.grid.at(x, y).remembered, expected);
      EXPECT_EQ(target.grid.at(x, y).pending, PendingMark::None);
    }
  }
  EXPECT_EQ(target.state(499, 499), CellState::Dead) << "the whole grid is cleared";
}

TEST(LifeXmlReading, ElementNamesMatchInAnyCaseAndInGerman) {
  Target target;
  ASSERT_EQ(target.apply(std::string(declaration) +
                         "<ORVALIS><INTERVALL ms='250'/><Dimensionen x='20' y='30'/>"
                         "<OPTIONEN grid='1' infinite='1' hide='1'/>"
                         "<FeLdEr><f x='4' y='5'/><s x='5' y='5'/><E x='6' y='5'/></FeLdEr>"
                         "</ORVALIS>"),
            test::xmlLoaded);
  EXPECT_EQ(target.value(GadgetId::IntervalSpin), 250);
  EXPECT_EQ(target.value(GadgetId::SizeXSpin), 20);
  EXPECT_EQ(target.value(GadgetId::SizeYSpin), 30);
  EXPECT_EQ(target.value(GadgetId::HideCheck), 1);
  EXPECT_EQ(target.state(4, 5), CellState::Alive);
  EXPECT_EQ(target.state(5, 5), CellState::Static);
  EXPECT_EQ(target.state(6, 5), CellState::Blocked);

  Target noGermanComment;
  noGermanComment.apply(
      orvalis("<Comment>\r\n    eins\r\n  </Comment><Kommentar>\r\n    zwei\r\n  </Kommentar>"));
  EXPECT_EQ(noGermanComment.text(GadgetId::CommentEditor), "eins\r\n ");
  Target noGermanAuthor;
  noGermanAuthor.settings.setGadgetText(GadgetId::AuthorField, "alt");
  noGermanAuthor.apply(orvalis("<Autor name='neu'/>"), ReadMode::SettingsOnly, "");
  EXPECT_EQ(noGermanAuthor.text(GadgetId::AuthorField), "alt");
}

TEST(LifeXmlReading, AttributesMatchOnlyInLowerCaseAndMissingOrEmptyOnesKeepTheGadget) {
  Target target;
  target.settings.setGadgetValue(GadgetId::GridCheck, 1);
  target.settings.setGadgetText(GadgetId::AuthorField, "alt");
  ASSERT_EQ(target.apply(orvalis("<Interval MS='5'/><Dimensions x='7' y=''/>"
                                 "<Options grid='' hide='0'/><Author/><Source url=''/>")),
            test::xmlLoaded);
  EXPECT_EQ(target.value(GadgetId::IntervalSpin), 1000);
  EXPECT_EQ(target.value(GadgetId::SizeXSpin), 7);
  EXPECT_EQ(target.value(GadgetId::SizeYSpin), 50);
  EXPECT_EQ(target.value(GadgetId::GridCheck), 1);
  EXPECT_EQ(target.text(GadgetId::AuthorField), "") << "an empty name is applied";
  EXPECT_EQ(target.text(GadgetId::SourceField), "");
}

TEST(LifeXmlReading, NumbersReadTheirLeadingDigitsAndGoToTheGadgetsUnchecked) {
  Target target;
  target.apply(
      orvalis("<Interval ms=' 12abc'/><Dimensions x='abc' y='9999'/>"
              "<Options infinite='-3'/><Date d='60x'/>"));
  EXPECT_EQ(target.value(GadgetId::IntervalSpin), 12);
  EXPECT_EQ(target.value(GadgetId::SizeXSpin), 1) << "0 brought into range by the gadget";
  EXPECT_EQ(target.value(GadgetId::SizeYSpin), 500);
  EXPECT_EQ(target.value(GadgetId::InfiniteCheck), 1);
  EXPECT_EQ(target.value(GadgetId::DateField), 60);

  for (const char* date : {"<Date d='0'/>", "<Date d=''/>", "<Date/>"}) {
    Target noDate;
    noDate.settings.setGadgetValue(GadgetId::DateField, 1796596200);
    noDate.apply(orvalis(std::string("<Date d='600'/>") + date));
    EXPECT_EQ(noDate.value(GadgetId::DateField), 0) << date;
  }
}

TEST(LifeXmlReading, CellElementsKeepTheLastCoordinateAndLaterElementsWin) {
  Target target;
  target.apply(
      orvalis("<Fields><F x='3' y='4'/><F y='6'/><S x='8'/><E x='3' y='4'/></Fields>"
              "<Dimensions x='10'/><Dimensions x='12'/>"));
  EXPECT_EQ(target.state(3, 4), CellState::Blocked);
  EXPECT_EQ(target.state(3, 6), CellState::Alive);
  EXPECT_EQ(target.state(8, 6), CellState::Static);
  EXPECT_EQ(target.value(GadgetId::SizeXSpin), 12) << "applied after the cells, the last wins";

  Target secondFields;
  secondFields.apply(orvalis("<Fields><F x='1' y='1'/></Fields><Fields><F x='2' y='2'/></Fields>"));
  EXPECT_EQ(secondFields.state(1, 1), CellState::Dead) << "a second Fields clears again";
  EXPECT_EQ(secondFields.state(2, 2), CellState::Alive);

  Target hidden;
  hidden.apply(orvalis("<Dimensions x='10' y='10'/><Fields><F x='499' y='20'/></Fields>"));
  EXPECT_EQ(hidden.state(499, 20), CellState::Alive) << "stored beyond the visible field";
}

TEST(LifeXmlReading, LineBreaksFollowTheFilesFirstLineBreak) {
  const auto withBreaks = [](const std::string& lineBreak) {
    return test::withLineBreaks(test::blinkerLifeXml, lineBreak);
  };
  Target lf;
  lf.apply(withBreaks("\n"));
  EXPECT_EQ(lf.text(GadgetId::CommentEditor), "Blinker\nPeriode 2\n ");
  Target cr;
  cr.apply(withBreaks("\r"));
  EXPECT_EQ(cr.text(GadgetId::CommentEditor), "Blinker\rPeriode 2\r ");
  Target crlf;
  crlf.apply(withBreaks("\r\n"));
  EXPECT_EQ(crlf.text(GadgetId::CommentEditor), "Blinker\r\nPeriode 2\r\n ");
}

TEST(LifeXmlReading, FirstLineBreakFarIntoTheFileOrSplitAcrossPiecesStillCounts) {
  // A long XML comment pushes the first line break to the end of the first
  // piece: its CR is the piece's last byte, its LF the next piece's first.
  std::string xml = "<?xml version=\"1.0\"?><Orvalis><!--";
  xml.append(xmlPieceBytes - 4 - xml.size(), 'x');
  xml += "-->\r\n<Comment>\r\n    eins\r\n    zwei\r\n  </Comment></Orvalis>";
  ASSERT_EQ(xml[xmlPieceBytes - 1], '\r');
  Target target;
  target.apply(xml);
  EXPECT_EQ(target.text(GadgetId::CommentEditor), "eins\r\nzwei\r\n ");
}

TEST(LifeXmlReading, Utf16FilesAreDecodedAndTheirLineBreaksFound) {
  for (const bool bigEndian : {false, true}) {
    std::string utf16 = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char c : std::string("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n<Orvalis>"
                                    "<Comment>\r\n    Gr\xFC\xDF"
                                    "e\r\n  </Comment></Orvalis>")) {
      utf16 += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    }
    Target target;
    target.apply(utf16);
    EXPECT_EQ(target.text(GadgetId::CommentEditor),
              "Gr\xFC\xDF"
              "e\r\n ")
        << (bigEndian ? "big-endian" : "little-endian");
  }
}

TEST(LifeXmlReading, TextsAreConvertedToTheProgramsText) {
  Target target;
  target.apply(
      orvalis("<Author name='M\xC3\xBCller \xE2\x82\xAC'/><Source url='&lt;&#223;&gt;'/>"));
  EXPECT_EQ(target.text(GadgetId::AuthorField), "M\xFCller ?") << "the euro sign is no Latin-1";
  EXPECT_EQ(target.text(GadgetId::SourceField), "<\xDF>");
}

TEST(LifeXmlReading, InternalEntityReferencesReachTheTextAsWritten) {
  Target target;
  target.apply(std::string(declaration) +
               "<!DOCTYPE Orvalis [<!ENTITY wer \"Anna\">]>"
               "<Orvalis><Comment>\r\n    &wer; &amp; Co\r\n  </Comment>"
               "<Author name='&wer;'/></Orvalis>");
  EXPECT_EQ(target.text(GadgetId::CommentEditor), "&wer; & Co\r\n ");
  EXPECT_EQ(target.text(GadgetId::AuthorField), "Anna") << "attribute values are expanded";
}

TEST(LifeXmlReading, OtherNodesBetweenTheChildrenAreIgnored) {
  Target target;
  ASSERT_EQ(target.apply(orvalis("text<!-- <Interval ms='5'/> --><?interval ms='7'?>"
                                 "<![CDATA[<Dimensions x='9'/>]]><Unknown ms='3'/>"
                                 "<Interval ms='6'/>more text")),
            test::xmlLoaded);
  EXPECT_EQ(target.value(GadgetId::IntervalSpin), 6);
  EXPECT_EQ(target.value(GadgetId::SizeXSpin), 50);
}

TEST(LifeXmlReading, TruncatedFileAppliesWhatCameBeforeTheCut) {
  const std::string cut =
      test::blinkerLifeXml.substr(0, test::blinkerLifeXml.find("<F x=\"1\" y=\"1\"") + 10);
  Target target;
  ASSERT_EQ(target.apply(cut), test::xmlLoaded);
  EXPECT_EQ(target.value(GadgetId::SizeXSpin), 3);
  EXPECT_EQ(target.value(GadgetId::GridCheck), 1);
  EXPECT_EQ(target.state(1, 0), CellState::Alive);
  EXPECT_EQ(target.state(1, 1), CellState::Dead) << "its element was not complete";
}

TEST(LifeXmlReading, RejectedDocumentsChangeNothingButAnEmptyOneClearsTheMetadata) {
  Target notXml;
  notXml.settings.setGadgetText(GadgetId::AuthorField, "Anna");
  EXPECT_EQ(notXml.apply(test::blinkerLifeFile), test::xmlWithoutRoot);
  EXPECT_EQ(notXml.apply("Nur ein Text"), test::xmlWithoutRoot);
  EXPECT_EQ(notXml.apply(std::string(declaration) + "<!-- nichts -->"), test::xmlWithoutRoot);
  EXPECT_EQ(notXml.text(GadgetId::AuthorField), "Anna");

  Target foreign;
  foreign.settings.setGadgetText(GadgetId::AuthorField, "Anna");
  EXPECT_EQ(foreign.apply("<Life><Interval ms='5'/></Life>"), test::xmlWithForeignRoot);
  EXPECT_EQ(foreign.text(GadgetId::FileNameField), "");
  EXPECT_EQ(foreign.text(GadgetId::AuthorField), "Anna");
  EXPECT_EQ(foreign.value(GadgetId::IntervalSpin), 1000);

  Target empty;
  empty.settings.setGadgetText(GadgetId::CommentEditor, "c");
  empty.settings.setGadgetText(GadgetId::AuthorField, "a");
  empty.settings.setGadgetText(GadgetId::SourceField, "s");
  empty.settings.setGadgetValue(GadgetId::DateField, 600);
  empty.settings.setGadgetValue(GadgetId::SizeXSpin, 20);
  empty.grid.at(1, 1).state = CellState::Alive;
  EXPECT_EQ(empty.apply("<orvalis/>"), test::xmlWithoutChildren);
  EXPECT_EQ(empty.text(GadgetId::FileNameField), "test.lxm");
  EXPECT_EQ(empty.text(GadgetId::CommentEditor), "");
  EXPECT_EQ(empty.text(GadgetId::AuthorField), "");
  EXPECT_EQ(empty.text(GadgetId::SourceField), "");
  EXPECT_EQ(empty.value(GadgetId::DateField), 0);
  EXPECT_EQ(empty.value(GadgetId::SizeXSpin), 20);
  EXPECT_EQ(empty.state(1, 1), CellState::Alive);

  Target emptyAtStartUp;
  emptyAtStartUp.settings.setGadgetText(GadgetId::AuthorField, "a");
  EXPECT_EQ(emptyAtStartUp.apply("<Orvalis></Orvalis>", ReadMode::SettingsOnly, ""),
            test::xmlWithoutChildren);
  EXPECT_EQ(emptyAtStartUp.text(GadgetId::AuthorField), "a");
}

TEST(LifeXmlReading, SettingsOnlyTakesNoCommentDateOrCells) {
  Target target;
  target.grid.at(0, 0).state = CellState::Static;
  target.settings.setGadgetText(GadgetId::CommentEditor, "alt");
  target.settings.setGadgetText(GadgetId::FileNameField, "alt.lxm");
  ASSERT_EQ(target.apply(orvalis("<Interval ms='40'/><Dimensions x='100' y='80'/>"
                                 "<Options grid='1'/><Author name='Anna'/><Source url='www.x'/>"
                                 "<Comment>\r\n    neu\r\n  </Comment><Date d='600'/>"
                                 "<Fields><F x='5' y='5'/></Fields>"),
                         ReadMode::SettingsOnly, ""),
            test::xmlLoaded);
  EXPECT_EQ(target.value(GadgetId::IntervalSpin), 40);
  EXPECT_EQ(target.value(GadgetId::SizeXSpin), 100);
  EXPECT_EQ(target.value(GadgetId::SizeYSpin), 80);
  EXPECT_EQ(target.value(GadgetId::GridCheck), 1);
  EXPECT_EQ(target.text(GadgetId::AuthorField), "Anna");
  EXPECT_EQ(target.text(GadgetId::SourceField), "www.x");
  EXPECT_EQ(target.text(GadgetId::CommentEditor), "alt");
  EXPECT_EQ(target.text(GadgetId::FileNameField), "alt.lxm");
  EXPECT_EQ(target.value(GadgetId::DateField), 0);
  EXPECT_EQ(target.state(0, 0), CellState::Static);
  EXPECT_EQ(target.state(5, 5), CellState::Dead);
}

TEST(LifeXmlReading, MessagesOfTheRejectedDocuments) {
  struct Case {
    const char* xml;
    const char* text;
    MessageIcon icon;
    bool documentTold;
  };
  const Case cases[] = {
      {"<!-- nichts -->", test::xmlWithoutRoot, MessageIcon::None, false},
      {"<Life/>", test::xmlWithForeignRoot, MessageIcon::Error, false},
      {"<Orvalis/>", test::xmlWithoutChildren, MessageIcon::None, true},
      {"", test::xmlUnreadable, MessageIcon::Error, false},
  };
  for (const Case& c : cases) {
    const DocumentReading reading = readLifeXmlBytes(c.xml, ReadMode::Full);
    ASSERT_TRUE(reading.message) << c.xml;
    EXPECT_EQ(reading.message->text, c.text);
    EXPECT_EQ(reading.message->caption, "Orvalis");
    EXPECT_EQ(reading.message->icon, c.icon) << c.xml;
    EXPECT_EQ(reading.message->buttons, MessageButtons::Ok);
    EXPECT_EQ(reading.document.has_value(), c.documentTold) << c.xml;
    EXPECT_FALSE(reading.loaded());
  }
}

void expectSameTree(const XmlDocument& a, const XmlDocument& b) {
  ASSERT_EQ(a.nodeCount(), b.nodeCount());
  for (std::size_t i = 0; i < a.nodeCount(); ++i) {
    ASSERT_TRUE(a.node(i) == b.node(i)) << "node " << i << " " << a.node(i).name;
  }
  EXPECT_TRUE(a == b);
}

// The cell lines of a file the program wrote are read without the parser's
// events; what the parser makes of anything else around them, and of the
// same lines once the file no longer starts as the writer starts it (the
// version in single quotes), must be the same tree.
TEST(LifeXmlReading, WrittenCellLinesReadAsTheParserReadsThem) {
  SettingsRecord settings;
  settings.setGadgetValue(GadgetId::SizeXSpin, 40);
  settings.setGadgetValue(GadgetId::SizeYSpin, 30);
  settings.setGadgetText(GadgetId::CommentEditor, "Zellen\r\naller Art");
  CellGrid grid;
  for (int i = 0; i < 500; ++i) {
    grid.at(i * 7 % 40, i * 13 % 30).state = static_cast<CellState>(1 + i % 3);
  }
  const std::string written = lifeXmlText(fieldDocument(settings, grid));
  const std::size_t cells = written.find("<Fields>") + 8;
  const std::string line = "\r\n    <F x=\"12\" y=\"3\"/>";
  std::string nestedFields = std::string(declaration) + "\r\n<Orvalis>";
  for (std::size_t depth = 2; depth < maxXmlDepth; ++depth) {
    nestedFields += "<a>";
  }
  nestedFields += "<Fields>" + line + line;
  const std::vector<std::string> documents{
      written,
      written.substr(0, cells + 100),               // cut inside a cell line
      written.substr(0, cells + 10 * line.size()),  // cut after a cell line
      written.substr(0, cells) + line + "\r\n    <F x=\"1\" y=\"2\" />" + line + "<f x='1'/>" +
          line + "\r\n    <F y=\"1\" x=\"2\"/>\r\n    <E x=\"0\" y=\"7\"/></Fields></Orvalis>",
      written.substr(0, cells) + line + "\r\n    <F x=\"1\"" + line,  // a syntax error
      written.substr(0, cells) + line + "\r\n    <F x=\"1\" y=\"1\" y=\"2\"/></Fields></Orvalis>",
      std::string(declaration) + "\r\n<Orvalis><!-- <Fields> -->\r\n  <Fields>" + line +
          "</Fields></Orvalis>",
      std::string(declaration) + "\r\n<Orvalis><Comment><![CDATA[<Fields>" + line +
          "]]></Comment><Fields>" + line + "</Fields></Orvalis>",
      std::string(declaration) + "\r\n<Orvalis><A><B><Fields>" + line + line +
          "</Fields></B></A></Orvalis>",
      std::string(declaration) + "\r\n<Orvalis><Fields x='<Fields>" + line + "'/></Orvalis>",
      nestedFields,  // its cells lie one level too deep
  };
  for (const std::string& document : documents) {
    std::string plain = document;
    plain.replace(0, 19, "<?xml version='1.0'");
    const auto fast = parseLifeXml(document);
    const auto parsed = parseLifeXml(plain);
    ASSERT_TRUE(fast && parsed);
    SCOPED_TRACE(document.substr(0, 300));
    expectSameTree(*fast, *parsed);
  }
}

// A node for each cell element would cost many times a large file's size,
// yet the cells count towards the node limit as their nodes would: in the
// written layout and when the parser reads them.
TEST(LifeXmlReading, CellElementsBecomeNoNodesButCountTowardsTheLimit) {
  std::string written = std::string(writtenLifeXmlStart) + "<Fields>";
  for (std::size_t i = 0; i < maxXmlNodes; ++i) {
    written += "\r\n    <F x=\"7\" y=\"9\"/>";
  }
  written += "<E x='1' y='1'/></Fields><Interval ms='5'/></Orvalis>";
  std::string plain = written;
  plain.replace(0, 19, "<?xml version='1.0'");
  for (const std::string* xml : {&written, &plain}) {
    const auto document = parseLifeXml(*xml);
    ASSERT_TRUE(document);
    EXPECT_EQ(document->nodeCount(), 3u) << "the document, its root and Fields";
    EXPECT_EQ(document->node(2).cells.size(), maxXmlNodes - 3);
    Target target;
    ASSERT_EQ(test::placeLifeXml(*document, ReadMode::Full, "x.lxm", target.settings, target.grid),
              test::xmlLoaded);
    EXPECT_EQ(target.state(7, 9), CellState::Alive);
    EXPECT_EQ(target.state(1, 1), CellState::Dead) << "beyond the limit";
    EXPECT_EQ(target.value(GadgetId::IntervalSpin), 1000);
  }
}

// Inside the cells the parser hands over no text; after them it does again.
TEST(LifeXmlReading, TextAfterTheCellsIsReadAgain) {
  Target target;
  target.apply(std::string(declaration) +
               "<!DOCTYPE Orvalis [<!ENTITY wer \"Anna\">]><Orvalis><Fields>Text &wer; &amp;"
               "<F x='1' y='2'>&wer;<![CDATA[<S x='3' y='3'/>]]></F></Fields>"
               "<Comment>\r\n    &wer; &amp; Co\r\n  </Comment></Orvalis>");
  EXPECT_EQ(target.state(1, 2), CellState::Alive);
  EXPECT_EQ(target.state(3, 3), CellState::Dead);
  EXPECT_EQ(target.text(GadgetId::CommentEditor), "&wer; & Co\r\n ");
}

TEST(LifeXmlReading, FilesAreReadFromDiskAndEmptyOrMissingOnesAreRefused) {
  const test::TempFolder folder;
  Target target;
  EXPECT_TRUE(test::loadInto(FormatId::LifeXml, folder.write("blinker.lxm", test::blinkerLifeXml),
                             target.settings, target.grid)
                  .loaded());
  EXPECT_EQ(target.state(1, 2), CellState::Alive);
  for (const std::string& path : {folder.write("empty.lxm", ""), folder.path("missing.lxm")}) {
    const DocumentReading reading =
        test::loadInto(FormatId::LifeXml, path, target.settings, target.grid);
    EXPECT_FALSE(reading.document) << path;
    ASSERT_TRUE(reading.message) << path;
    EXPECT_EQ(reading.message->text, test::xmlUnreadable);
  }
}

}  // namespace
}  // namespace orvalis
