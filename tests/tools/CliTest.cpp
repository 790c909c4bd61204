#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "engine/SettingsRecord.h"
#include "files/LifeXmlWriter.h"
#include "tests/files/PatternExamples.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestPictures.h"
#include "tools/Cli.h"

namespace orvalis::cli {
namespace {

struct CliRun {
  int code;
  std::string out;
  std::string err;
};

CliRun cli(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int code = runCli(args, out, err);
  return {code, out.str(), err.str()};
}

TEST(OrvalisCli, ConvertsTheTwoExamplesIntoEachOther) {
  const test::TempFolder folder;
  const std::string lxm = folder.write("blinker.lxm", test::blinkerLifeXml);
  const std::string lif = folder.write("blinker.lif", test::blinkerLifeFile);

  ASSERT_EQ(cli({"convert", lxm, folder.path("aus-xml.lif")}).code, exitSuccess);
  // The read comment keeps its line breaks and ends in a line break and a
  // blank, as when the desktop program loads and saves it.
  EXPECT_EQ(test::fileContent(folder.path("aus-xml.lif")),
            test::blinkerLifeFile.substr(0, 47) + "\r\n \r\n");

  ASSERT_EQ(cli({"convert", lif, folder.path("aus-lif.lxm")}).code, exitSuccess);
  std::string expected = test::blinkerLifeXml;
  expected.replace(expected.find("    Blinker\r\n    Periode 2"), 26, "    BlinkerPeriode 2");
  expected.erase(expected.find("  <Date"), 26);
  EXPECT_EQ(test::fileContent(folder.path("aus-lif.lxm")), expected);

  ASSERT_EQ(cli({"convert", lxm, folder.path("kopie.LXM")}).code, exitSuccess);
  EXPECT_EQ(test::fileContent(folder.path("kopie.LXM")), test::blinkerLifeXml);
}

TEST(OrvalisCli, ALifeFileWithControlCharactersInItsCommentConvertsToAReadableFile) {
  const test::TempFolder folder;
  std::string lifeFile = test::blinkerLifeFile;
  lifeFile.replace(29, 7, "Bl\x01i\x1Bnk\x7F\x08");
  const std::string lif = folder.write("steuer.lif", lifeFile);
  ASSERT_EQ(cli({"convert", lif, folder.path("steuer.lxm")}).code, exitSuccess);
  ASSERT_EQ(cli({"convert", folder.path("steuer.lxm"), folder.path("zurueck.lif")}).code,
            exitSuccess);
  const std::string back = test::fileContent(folder.path("zurueck.lif"));
  EXPECT_EQ(back.substr(0, 29), lifeFile.substr(0, 29)) << "every cell is read back";
  EXPECT_EQ(back.substr(29), "Blink\x7FPeriode 2\r\n \r\n");
}

// A glider on an 8 x 8 torus, written by the program itself.
std::string gliderOnTorus(const test::TempFolder& folder, bool wrap) {
  SettingsRecord settings;
  settings.setGadgetValue(GadgetId::SizeXSpin, 8);
  settings.setGadgetValue(GadgetId::SizeYSpin, 8);
  settings.setGadgetValue(GadgetId::InfiniteCheck, wrap ? 1 : 0);
  CellGrid grid;
  for (const auto& [x, y] : {std::pair{1, 0}, {2, 1}, {0, 2}, {1, 2}, {2, 2}}) {
    grid.at(x, y).state = CellState::Alive;
  }
  const std::string path = folder.path(wrap ? "torus.lxm" : "flach.lxm");
  EXPECT_TRUE(writeLifeXml(path, settings, grid));
  return path;
}

TEST(OrvalisCli, RunBringsAGliderRoundTheTorusBackToItsStart) {
  const test::TempFolder folder;
  const std::string start = gliderOnTorus(folder, true);
  // Four generations move it one cell diagonally; 32 bring it round.
  ASSERT_EQ(cli({"run", start, folder.path("32.lxm"), "--generations", "32"}).code, exitSuccess);
  EXPECT_EQ(test::fileContent(folder.path("32.lxm")), test::fileContent(start));
  ASSERT_EQ(cli({"run", start, folder.path("4.lxm"), "--generations=4"}).code, exitSuccess);
  const std::string moved = test::fileContent(folder.path("4.lxm"));
  EXPECT_NE(
      moved.find("<F x=\"2\" y=\"1\"/>\r\n    <F x=\"3\" y=\"2\"/>\r\n    <F x=\"1\" y=\"3\"/>"),
      std::string::npos)
      << moved;
  ASSERT_EQ(cli({"run", start, folder.path("0.lxm"), "--generations", "0"}).code, exitSuccess);
  EXPECT_EQ(test::fileContent(folder.path("0.lxm")), test::fileContent(start));

  // Without wrapping the glider ends as a block in the corner.
  const std::string flat = gliderOnTorus(folder, false);
  ASSERT_EQ(cli({"run", flat, folder.path("flach.lif"), "--generations", "32"}).code, exitSuccess);
  ASSERT_EQ(cli({"info", folder.path("flach.lif")}).code, exitSuccess);
  EXPECT_NE(cli({"info", folder.path("flach.lif")}).out.find("Zellen: 4 lebend"),
            std::string::npos);
}

TEST(OrvalisCli, PicturesBecomeFieldsOfTheGivenSize) {
  const test::TempFolder folder;
  const std::string png =
      folder.write("bild.png", test::pngBytes(test::paintedImage(40, 20, [](int x, int) {
                     return x < 10 ? Rgb{255, 255, 255} : Rgb{100, 100, 100};
                   })));
  ASSERT_EQ(cli({"convert", png, folder.path("bild.lxm"), "--size", "4x2"}).code, exitSuccess);
  const CliRun info = cli({"info", folder.path("bild.lxm")});
  EXPECT_NE(info.out.find("Größe: 4 x 2\n"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("Zellen: 2 lebend, 0 statisch, 0 leer, 6 tot\n"), std::string::npos);

  EXPECT_NE(cli({"info", png, "--size=4x2", "--threshold", "99"}).out.find("Zellen: 8 lebend"),
            std::string::npos);
  EXPECT_NE(cli({"info", png, "--size=4x2", "--invert"}).out.find("Zellen: 6 lebend"),
            std::string::npos);
  EXPECT_NE(cli({"info", png}).out.find("Größe: 50 x 50\n"), std::string::npos);
}

TEST(OrvalisCli, ReadsAndWritesRleAndPlaintext) {
  const test::TempFolder folder;
  const std::string glider = folder.write("gleiter.rle", "x = 3, y = 3\nbo$2bo$3o!\n");
  // --size is the field the pattern is centred in. On an 8 x 8 torus the
  // position keeps it a row lower, and 4 x 8 generations bring it round.
  ASSERT_EQ(cli({"convert", glider, folder.path("feld.rle"), "--size", "8x6"}).code, exitSuccess);
  const std::string written = test::fileContent(folder.path("feld.rle"));
  EXPECT_EQ(written,
            "#CXRLE Pos=-4,-3\n#N feld\nx = 8, y = 6, rule = B3/S23:P8,6\n2$4bo$5bo$3b3o!\n");
  std::string torus = written;
  torus.replace(torus.find(":P8,6"), 5, ":T8,8");
  const std::string onTorus = folder.write("torus.rle", torus);
  ASSERT_EQ(cli({"run", onTorus, folder.path("32.rle"), "--generations", "32"}).code, exitSuccess);
  EXPECT_EQ(test::fileContent(folder.path("32.rle")),
            "#CXRLE Pos=-4,-4\n#N 32\n#C feld\nx = 8, y = 8, rule = B3/S23:T8,8\n"
            "3$4bo$5bo$3b3o!\n");

  ASSERT_EQ(cli({"convert", glider, folder.path("gleiter.cells"), "--size=5x5"}).code, exitSuccess);
  EXPECT_EQ(test::fileContent(folder.path("gleiter.cells")),
            "!Name: gleiter\n.\n..O\n...O\n.OOO\n");
  EXPECT_NE(cli({"info", folder.path("gleiter.cells")}).out.find("Zellen: 5 lebend"),
            std::string::npos);

  // Refused: the message, and no file written.
  const CliRun other = cli({"convert", folder.write("hl.rle", "x = 1, y = 1, rule = B36/S23\no!"),
                            folder.path("x.lxm")});
  EXPECT_EQ(other.code, exitFileFailed);
  EXPECT_NE(other.err.find(": Regel wird nicht unterstützt: B36/S23\n"), std::string::npos);
  const CliRun large = cli({"run", folder.write("gross.cells", std::string(600, 'O')),
                            folder.path("x.lxm"), "--generations", "1"});
  EXPECT_NE(large.err.find(": Muster ist größer als 500 × 500 Zellen\n"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(folder.path("x.lxm")));
}

TEST(OrvalisCli, InfoShowsSettingsCellsAndComment) {
  const test::TempFolder folder;
  const CliRun info = cli({"info", folder.write("blinker.lxm", test::blinkerLifeXml)});
  EXPECT_EQ(info.code, exitSuccess);
  EXPECT_EQ(info.out,
            "Intervall: 1000 ms\n"
            "Größe: 3 x 3\n"
            "Gitter: ein\n"
            "Infinit: aus\n"
            "Hide: aus\n"
            "Autor: \n"
            "Quelle: \n"
            "Datum: 06.12.26 22:30\n"
            "Zellen: 3 lebend, 0 statisch, 0 leer, 6 tot\n"
            "Kommentar:\n"
            "Blinker\n"
            "Periode 2\n"
            " \n");
}

TEST(OrvalisCli, FailuresReportTheProgramsMessages) {
  const test::TempFolder folder;
  const CliRun missingXml = cli({"info", folder.path("fehlt.lxm")});
  EXPECT_EQ(missingXml.code, exitFileFailed);
  EXPECT_NE(missingXml.err.find("XML - Datei konnte nicht geladen werden"), std::string::npos);
  EXPECT_EQ(cli({"info", folder.path("fehlt.lif")}).err,
            "orvalis-cli: " + folder.path("fehlt.lif") + ": Datei konnte nicht geladen werden\n");
  EXPECT_NE(cli({"info", folder.write("fremd.lxm", "<Life/>")}).err.find("Falsches XML - Format"),
            std::string::npos);
  EXPECT_NE(cli({"info", folder.write("text.png", "kein Bild")}).err.find("Bild konnte nicht"),
            std::string::npos);

  const std::string lxm = folder.write("blinker.lxm", test::blinkerLifeXml);
  const CliRun unwritable = cli({"convert", lxm, folder.path("fehlt/aus.lxm")});
  EXPECT_EQ(unwritable.code, exitFileFailed);
  EXPECT_NE(unwritable.err.find("XML - Datei konnte nicht erstellt werden"), std::string::npos);
  EXPECT_NE(cli({"convert", lxm, folder.path("fehlt/aus.lif")})
                .err.find(": Datei konnte nicht erstellt werden"),
            std::string::npos);
}

TEST(OrvalisCli, WrongArgumentsGiveTheUsage) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {},
           {"male"},
           {"convert", "a.lxm"},
           {"convert", "a.lxm", "b.png"},
           {"convert", "a.lxm", "b.lif", "c.lif"},
           {"convert", "a.lxm", "b.lif", "--threshold", "256"},
           {"convert", "a.lxm", "b.lif", "--threshold"},
           {"convert", "a.lxm", "b.lif", "--size", "0x5"},
           {"convert", "a.lxm", "b.lif", "--size", "50"},
           {"convert", "a.lxm", "b.lif", "--generations", "3"},
           {"run", "a.lxm", "b.lif"},
           {"run", "a.lxm", "b.lif", "--generations", "-1"},
           {"info", "a.lxm", "--bunt"},
       }) {
    const CliRun run = cli(args);
    EXPECT_EQ(run.code, exitBadArguments) << ::testing::PrintToString(args);
    EXPECT_NE(run.err.find("Usage:"), std::string::npos);
  }
  const CliRun help = cli({"--help"});
  EXPECT_EQ(help.code, exitSuccess);
  EXPECT_NE(help.out.find("orvalis-cli run IN OUT --generations N"), std::string::npos);
}

}  // namespace
}  // namespace orvalis::cli
