#include <gif_lib.h>
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <random>
#include <sstream>

#include "engine/GenerationStep.h"
#include "files/DocumentApply.h"
#include "files/FileFormats.h"
#include "files/lifefile/LifeFile.h"
#include "files/lifexml/LifeXmlWriter.h"
#include "files/picture/GifAnimation.h"
#include "settings/SettingsRecord.h"
#include "tests/files/PatternExamples.h"
#include "tests/support/DocumentFiles.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestPictures.h"
#include "tools/Cli.h"
#include "tools/PatternFiles.h"

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

// A glider on a torus of 8 x 8 or the given size, written by the program
// itself.
std::string gliderOnTorus(const test::TempFolder& folder, bool wrap, int size = 8) {
  SettingsRecord settings;
  settings.setGadgetValue(GadgetId::SizeXSpin, size);
  settings.setGadgetValue(GadgetId::SizeYSpin, size);
  settings.setGadgetValue(GadgetId::InfiniteCheck, wrap ? 1 : 0);
  CellGrid grid;
  for (const auto& [x, y] : {std::pair{1, 0}, {2, 1}, {0, 2}, {1, 2}, {2, 2}}) {
    grid.at(x, y).state = CellState::Alive;
  }
  const std::string path = folder.path(wrap ? "torus.lxm" : "flach.lxm");
  EXPECT_TRUE(test::saveAs(FormatId::LifeXml, path, settings, grid));
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

// The frames of a GIF file as a viewer shows them, each frame drawn over
// the ones before, and each frame's delay and stored area.
struct ShownAnimation {
  std::vector<QImage> frames;
  std::vector<int> delays;  // hundredths of a second
  std::vector<QRect> stored;
  std::vector<int> colourCounts;
  bool loops = false;
};

ShownAnimation showAnimation(const std::string& path) {
  ShownAnimation shown;
  int error = 0;
  GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
  if (!gif || DGifSlurp(gif) != GIF_OK) {
    ADD_FAILURE() << "no GIF: " << path;
    DGifCloseFile(gif, &error);
    return shown;
  }
  QImage canvas(gif->SWidth, gif->SHeight, QImage::Format_RGB32);
  for (int i = 0; i < gif->ImageCount; ++i) {
    const SavedImage& image = gif->SavedImages[i];
    for (int e = 0; e < image.ExtensionBlockCount; ++e) {
      const ExtensionBlock& block = image.ExtensionBlocks[e];
      shown.loops |= block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11 &&
                     std::string(reinterpret_cast<char*>(block.Bytes), 11) == "NETSCAPE2.0";
    }
    GraphicsControlBlock control{};
    DGifSavedExtensionToGCB(gif, i, &control);
    EXPECT_EQ(control.DisposalMode, DISPOSE_DO_NOT);
    const GifImageDesc& desc = image.ImageDesc;
    const ColorMapObject* colours = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
    for (int y = 0; y < desc.Height; ++y) {
      for (int x = 0; x < desc.Width; ++x) {
        const int index = image.RasterBits[y * desc.Width + x];
        if (index != control.TransparentColor) {
          const GifColorType c = colours->Colors[index];
          canvas.setPixel(desc.Left + x, desc.Top + y, qRgb(c.Red, c.Green, c.Blue));
        }
      }
    }
    shown.frames.push_back(canvas.copy());
    shown.delays.push_back(control.DelayTime);
    shown.stored.push_back(QRect(desc.Left, desc.Top, desc.Width, desc.Height));
    shown.colourCounts.push_back(colours->ColorCount);
  }
  DGifCloseFile(gif, &error);
  return shown;
}

QImage pngPicture(const std::string& path) {
  return QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
}

TEST(OrvalisCli, AnimationOfAGliderShowsEveryGenerationOfRun) {
  const test::TempFolder folder;
  const std::string start = gliderOnTorus(folder, true, 16);
  const std::string gif = folder.path("gleiter.gif");
  ASSERT_EQ(cli({"animate", start, gif, "--generations", "30", "--grid", "--delay", "10"}).code,
            exitSuccess);
  const ShownAnimation shown = showAnimation(gif);
  ASSERT_EQ(shown.frames.size(), 31u);
  EXPECT_TRUE(shown.loops);
  // 16 cells of 4 pixels and the last grid line.
  EXPECT_EQ(shown.frames[0].size(), QSize(65, 65));
  for (std::size_t k = 0; k < shown.frames.size(); ++k) {
    EXPECT_EQ(shown.delays[k], 2) << "at least 20 ms, frame " << k;
    EXPECT_LE(shown.colourCounts[k], 4) << "frame " << k;
    if (k > 0) {
      // A glider's step changes a few cells only.
      EXPECT_LE(shown.stored[k].width() * shown.stored[k].height(), 13 * 13) << "frame " << k;
    }
  }
  // Frame k is what render draws of the field that run gives after k
  // generations.
  for (const int k : {0, 1, 30}) {
    const std::string after = folder.path(std::to_string(k) + ".lxm");
    const std::string picture = folder.path(std::to_string(k) + ".png");
    ASSERT_EQ(cli({"run", start, after, "--generations", std::to_string(k)}).code, exitSuccess);
    ASSERT_EQ(cli({"render", after, picture, "--grid"}).code, exitSuccess);
    EXPECT_EQ(shown.frames[k], pngPicture(picture)) << "frame " << k;
  }
  EXPECT_NE(shown.frames[1], shown.frames[0]);

  // Without --delay the file's interval (1 s) sets the pace. At one pixel a
  // cell each pixel has the colour of its cell's fill.
  ASSERT_EQ(cli({"animate", start, gif, "--generations=2", "--cell-size=1"}).code, exitSuccess);
  const ShownAnimation small = showAnimation(gif);
  EXPECT_EQ(small.delays, (std::vector<int>{100, 100, 100}));
  for (std::size_t k = 0; k < small.frames.size(); ++k) {
    ASSERT_EQ(small.frames[k].size(), QSize(16, 16));
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) {
        ASSERT_EQ(small.frames[k].pixel(x, y), shown.frames[k].pixel(4 * x + 1, 4 * y + 1))
            << "frame " << k << " cell " << x << "," << y;
      }
    }
  }
}

TEST(OrvalisCli, PicturesThatCannotBeMadeLeaveTheOldFile) {
  const test::TempFolder folder;
  SettingsRecord settings;
  settings.setGadgetValue(GadgetId::SizeXSpin, 500);
  settings.setGadgetValue(GadgetId::SizeYSpin, 500);
  const std::string large = folder.path("gross.lxm");
  ASSERT_TRUE(test::saveAs(FormatId::LifeXml, large, settings, CellGrid()));
  const std::string png = folder.write("alt.png", "alt");
  const std::string gif = folder.write("alt.gif", "alt");

  // 32001 x 32001 pixels would take 4 GB.
  const CliRun huge = cli({"render", large, png, "--cell-size", "64", "--grid"});
  EXPECT_EQ(huge.code, exitFileFailed);
  EXPECT_NE(huge.err.find("32001 x 32001 pixels is too large"), std::string::npos) << huge.err;
  EXPECT_EQ(cli({"animate", large, gif, "--generations=1", "--cell-size=30"}).code, exitFileFailed);
  EXPECT_EQ(cli({"render", folder.path("fehlt.lxm"), png}).code, exitFileFailed);
  EXPECT_EQ(cli({"animate", folder.write("fremd.lxm", "<Life/>"), gif, "--generations=1"}).code,
            exitFileFailed);
  EXPECT_EQ(test::fileContent(png), "alt");
  EXPECT_EQ(test::fileContent(gif), "alt");

  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"render", large, folder.path("fehlt/bild.png")},
           {"animate", large, folder.path("fehlt/film.gif"), "--generations", "1"},
       }) {
    const CliRun unwritable = cli(args);
    EXPECT_EQ(unwritable.code, exitFileFailed) << args[0];
    EXPECT_NE(unwritable.err.find("Bild konnte nicht erstellt werden"), std::string::npos);
  }
  EXPECT_EQ(folder.entries(),
            (std::vector<std::string>{"alt.gif", "alt.png", "fremd.lxm", "gross.lxm"}));

  // GIF stores each side in 16 bits.
  const auto discard = [](std::string_view) { return true; };
  EXPECT_EQ(GifAnimation::create(GifAnimation::maxSide + 1, 1, discard), nullptr);
  EXPECT_EQ(GifAnimation::create(1, GifAnimation::maxSide + 1, discard), nullptr);
  EXPECT_NE(GifAnimation::create(GifAnimation::maxSide, 1, discard), nullptr);
}

// A Life file of the given size with every state byte there is.
std::string randomLifeFile(int columns, int rows, bool wrap, std::mt19937& random) {
  std::string bytes;
  for (const int value : {1000, columns, rows, 0, wrap ? 1 : 0}) {
    for (int shift = 0; shift < 32; shift += 8) {
      bytes += static_cast<char>((value >> shift) & 0xFF);
    }
  }
  std::uniform_int_distribution<int> roll(0, 99);
  std::uniform_int_distribution<int> anyByte(-128, 127);
  for (int cell = 0; cell < columns * rows; ++cell) {
    const int r = roll(random);
    bytes += static_cast<char>(r < 40 ? 1 : r < 85 ? 0 : r < 90 ? 2 : r < 95 ? 3 : anyByte(random));
  }
  return bytes;
}

// The run command steps on bit planes; its files are the ones the stepping
// protocol of the desktop program gives after the same generations.
TEST(OrvalisCli, RunWritesWhatTheGenerationStepGives) {
  const test::TempFolder folder;
  std::mt19937 random(16);
  for (const bool wrap : {false, true}) {
    const std::string start = folder.write("start.lif", randomLifeFile(70, 45, wrap, random));
    for (const char* output : {"aus.lif", "aus.lxm"}) {
      ASSERT_EQ(cli({"run", start, folder.path(output), "--generations", "60"}).code, exitSuccess);
      SettingsRecord settings;
      LifeField field;
      ASSERT_FALSE(loadPattern(start, settings, field));
      const StepSettings step{{70, 45}, wrap};
      for (int call = 0; call <= 60; ++call) {
        advanceGeneration(field, step, nullptr);
      }
      const std::string expected = std::string(output) == "aus.lif"
                                       ? lifeFileBytes(fieldDocument(settings, field.cells))
                                       : lifeXmlText(fieldDocument(settings, field.cells));
      EXPECT_EQ(test::fileContent(folder.path(output)), expected) << output << " wrap " << wrap;
    }
  }
}

// A Life file of the given size, options and living cells.
std::string lifeFile(int columns, int rows, bool wrap,
                     std::initializer_list<std::pair<int, int>> living) {
  SettingsRecord settings;
  settings.setGadgetValue(GadgetId::SizeXSpin, columns);
  settings.setGadgetValue(GadgetId::SizeYSpin, rows);
  settings.setGadgetValue(GadgetId::InfiniteCheck, wrap ? 1 : 0);
  CellGrid grid;
  for (const auto& [x, y] : living) {
    grid.at(x, y).state = CellState::Alive;
  }
  return lifeFileBytes(fieldDocument(settings, grid));
}

TEST(OrvalisCli, PopulationOfTheRPentominoIsGollys) {
  const test::TempFolder folder;
  const std::string start = folder.write(
      "r.lif",
      lifeFile(200, 200, false, {{100, 99}, {101, 99}, {99, 100}, {100, 100}, {100, 101}}));
  ASSERT_EQ(cli({"run", start, folder.path("r.lif"), "--generations", "100", "--population",
                 folder.path("r.csv")})
                .code,
            exitSuccess);
  // Generations 0 to 100 as Golly's QuickLife counts them.
  const std::vector<int> golly{
      5,  6,  7,  9,  8,  9,  12, 11, 18,  11, 11, 10,  13, 16,  19,  19,  23, 25, 35, 25, 32,
      27, 37, 30, 46, 39, 45, 30, 31, 29,  27, 32, 32,  39, 34,  29,  34,  31, 34, 36, 33, 31,
      29, 34, 31, 42, 37, 36, 45, 48, 64,  45, 60, 50,  67, 58,  66,  68,  72, 72, 79, 75, 80,
      67, 69, 73, 65, 56, 61, 52, 53, 60,  65, 70, 71,  73, 65,  69,  77,  75, 67, 77, 77, 73,
      84, 74, 87, 95, 90, 97, 98, 92, 103, 93, 97, 100, 95, 114, 108, 121, 121};
  std::string expected = "generation,living,static\n";
  for (std::size_t generation = 0; generation < golly.size(); ++generation) {
    expected += std::to_string(generation) + ',' + std::to_string(golly[generation]) + ",0\n";
  }
  EXPECT_EQ(test::fileContent(folder.path("r.csv")), expected);
}

TEST(OrvalisCli, UntilStableStopsAtTheFirstRepeatedField) {
  const test::TempFolder folder;
  const std::string block =
      folder.write("block.lif", lifeFile(6, 6, false, {{1, 1}, {2, 1}, {1, 2}, {2, 2}}));
  const std::string blinker =
      folder.write("blinker.lif", lifeFile(5, 5, false, {{1, 2}, {2, 2}, {3, 2}}));
  const std::string glider = gliderOnTorus(folder, true);
  struct Case {
    std::string start;
    const char* generations;
    const char* answer;
    int lines;  // of the population file
  };
  for (const Case& c : {Case{block, "100", "stabil nach 1 Generationen, Periode 1\n", 3},
                        Case{blinker, "100", "stabil nach 2 Generationen, Periode 2\n", 4},
                        Case{glider, "100", "stabil nach 32 Generationen, Periode 32\n", 34},
                        Case{glider, "31", "keine Wiederholung nach 31 Generationen\n", 33}}) {
    const std::string output = folder.path("aus.lif");
    const CliRun run = cli({"run", c.start, output, "--generations", c.generations,
                            "--until-stable", "--population", folder.path("p.csv")});
    EXPECT_EQ(run.code, exitSuccess);
    EXPECT_EQ(run.out, c.answer);
    const std::string csv = test::fileContent(folder.path("p.csv"));
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), c.lines) << csv;
    // The run ends with the repeated field: here the start again.
    if (std::string(c.generations) == "100") {
      ASSERT_EQ(cli({"convert", c.start, folder.path("start.lif")}).code, exitSuccess);
      EXPECT_EQ(test::fileContent(output), test::fileContent(folder.path("start.lif"))) << c.answer;
    }
  }
  const CliRun unwritable = cli({"run", block, folder.path("aus.lif"), "--generations", "5",
                                 "--population", folder.path("fehlt/p.csv")});
  EXPECT_EQ(unwritable.code, exitFileFailed);
  EXPECT_NE(unwritable.err.find("p.csv: Datei konnte nicht erstellt werden"), std::string::npos);

  // A run whose pattern file cannot be written leaves the population file
  // as it was.
  const std::string csv = folder.write("alt.csv", "alt");
  const std::vector<std::string> before = folder.entries();
  EXPECT_EQ(
      cli({"run", block, folder.path("fehlt/aus.lif"), "--generations", "5", "--population", csv})
          .code,
      exitFileFailed);
  EXPECT_EQ(test::fileContent(csv), "alt");
  EXPECT_EQ(folder.entries(), before);
}

// info --until-stable prints the info lines and then what run --until-stable
// answers for the same file.
TEST(OrvalisCli, InfoUntilStableAnswersAsRunDoes) {
  const test::TempFolder folder;
  std::mt19937 random(23);
  struct Case {
    std::string start;
    const char* generations;
    std::string answer;  // a soup's: whatever run answers
  };
  const std::vector<Case> cases{
      {folder.write("blinker.lif", lifeFile(5, 5, true, {{1, 2}, {2, 2}, {3, 2}})), "100",
       "stabil nach 2 Generationen, Periode 2\n"},
      {folder.write("block.lif", lifeFile(6, 6, false, {{1, 1}, {2, 1}, {1, 2}, {2, 2}})), "100",
       "stabil nach 1 Generationen, Periode 1\n"},
      {gliderOnTorus(folder, true, 6), "100", "stabil nach 24 Generationen, Periode 24\n"},
      {gliderOnTorus(folder, true, 6), "23", "keine Wiederholung nach 23 Generationen\n"},
      {folder.write("suppe1.lif", randomLifeFile(10, 10, false, random)), "3000", ""},
      {folder.write("suppe2.lif", randomLifeFile(8, 8, true, random)), "3000", ""},
      {folder.write("suppe3.lif", randomLifeFile(20, 20, true, random)), "3000", ""},
  };
  for (const Case& c : cases) {
    const CliRun run = cli(
        {"run", c.start, folder.path("aus.lif"), "--generations", c.generations, "--until-stable"});
    const CliRun info = cli({"info", c.start, "--generations", c.generations, "--until-stable"});
    EXPECT_EQ(info.code, exitSuccess) << c.start;
    EXPECT_EQ(info.out, cli({"info", c.start}).out + run.out) << c.start;
    if (c.answer.empty()) {
      EXPECT_NE(run.out.find(" Generationen"), std::string::npos) << c.start;
    } else {
      EXPECT_EQ(run.out, c.answer) << c.start;
    }
  }
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
  const std::string glider = folder.write("gleiter.rle", "#N Gleiter\nx = 3, y = 3\nbo$2bo$3o!\n");
  // --size is the field the pattern is centred in. On an 8 x 8 torus the
  // position keeps it a row lower, and 4 x 8 generations bring it round.
  ASSERT_EQ(cli({"convert", glider, folder.path("feld.rle"), "--size", "8x6"}).code, exitSuccess);
  const std::string written = test::fileContent(folder.path("feld.rle"));
  EXPECT_EQ(written,
            "#CXRLE Pos=-4,-3\n#N Gleiter\nx = 8, y = 6, rule = B3/S23:P8,6\n2$4bo$5bo$3b3o!\n");
  std::string torus = written;
  torus.replace(torus.find(":P8,6"), 5, ":T8,8");
  const std::string onTorus = folder.write("torus.rle", torus);
  ASSERT_EQ(cli({"run", onTorus, folder.path("32.rle"), "--generations", "32"}).code, exitSuccess);
  EXPECT_EQ(test::fileContent(folder.path("32.rle")),
            "#CXRLE Pos=-4,-4\n#N Gleiter\nx = 8, y = 8, rule = B3/S23:T8,8\n"
            "3$4bo$5bo$3b3o!\n");

  ASSERT_EQ(cli({"convert", glider, folder.path("gleiter.cells"), "--size=5x5"}).code, exitSuccess);
  EXPECT_EQ(test::fileContent(folder.path("gleiter.cells")),
            "!Name: Gleiter\n.\n..O\n...O\n.OOO\n.....\n");
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
  EXPECT_NE(cli({"info", folder.write("notiz.txt", "Hallo")}).err.find("Unbekanntes Dateiformat"),
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
           {"run", "a.lxm", "b.lif", "--generations", "1", "--population"},
           {"convert", "a.lxm", "b.lif", "--until-stable"},
           {"info", "a.lxm", "--bunt"},
           {"info", "a.lxm", "--until-stable"},
           {"info", "a.lxm", "--generations", "5"},
           {"render", "a.lxm", "b.gif"},
           {"render", "a.lxm", "b.png", "--cell-size", "65"},
           {"render", "a.lxm", "b.png", "--cell-size", "0"},
           {"render", "a.lxm", "b.png", "--cell-size", "1", "--grid"},
           {"render", "a.lxm", "b.png", "--delay", "100"},
           {"animate", "a.lxm", "b.gif"},
           {"animate", "a.lxm", "b.png", "--generations", "3"},
           {"animate", "a.lxm", "b.gif", "--generations", "3", "--preview"},
           {"animate", "a.lxm", "b.gif", "--generations", "3", "--delay", "0"},
           {"run", "a.lxm", "b.lif", "--generations", "3", "--grid"},
       }) {
    const CliRun run = cli(args);
    EXPECT_EQ(run.code, exitBadArguments) << ::testing::PrintToString(args);
    EXPECT_NE(run.err.find("Usage:"), std::string::npos);
  }
  const CliRun help = cli({"--help"});
  EXPECT_EQ(help.code, exitSuccess);
  EXPECT_NE(help.out.find("orvalis-cli run IN OUT --generations N"), std::string::npos);
  for (const FileFormat* format : loadFormats()) {
    for (const std::string& extension : format->extensions) {
      EXPECT_NE(help.out.find(" ." + extension), std::string::npos) << extension;
    }
  }
}

}  // namespace
}  // namespace orvalis::cli
