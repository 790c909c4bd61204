// Writes the fuzz targets' seed files and makes their corpus folders under
// the folder given as argument.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "files/DocumentApply.h"
#include "files/FileFormats.h"
#include "files/lifefile/LifeFile.h"
#include "files/lifexml/LifeXmlWriter.h"
#include "settings/SettingsRecord.h"
#include "tests/files/ClassicPatterns.h"
#include "tests/files/OtherPatternForms.h"
#include "tests/files/PatternExamples.h"
#include "tests/support/TestGzip.h"
#include "tests/support/TestPictures.h"

namespace {

using namespace orvalis;
namespace fs = std::filesystem;

void writeSeeds(const fs::path& root, const std::string& target,
                const std::vector<std::pair<std::string, std::string>>& seeds) {
  fs::create_directories(root / "corpus" / target);
  fs::create_directories(root / "seeds" / target);
  for (const auto& [name, bytes] : seeds) {
    std::ofstream(root / "seeds" / target / name, std::ios::binary) << bytes;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: fuzz_seeds FOLDER\n";
    return 2;
  }
  const fs::path root = argv[1];

  SettingsRecord settings;
  CellGrid grid;
  test::setUpBlinker(settings, grid);
  grid.at(0, 0).state = CellState::Static;
  grid.at(2, 2).state = CellState::Blocked;
  settings.setGadgetText(GadgetId::AuthorField, "Anna & \xDF");
  settings.setGadgetText(GadgetId::SourceField, "http://x/?a='1'");
  writeSeeds(root, "fuzz_lifexml",
             {{"blinker.lxm", test::blinkerLifeXml},
              {"muster.lxm", lifeXmlText(fieldDocument(settings, grid))}});
  writeSeeds(root, "fuzz_lifefile",
             {{"blinker.lif", test::blinkerLifeFile},
              {"muster.lif", lifeFileBytes(fieldDocument(settings, grid))}});

  writeSeeds(root, "fuzz_rle",
             {{"gun.rle", test::gosperGliderGun},
              {"rpentomino.rle", test::rPentomino},
              {"torus.rle", test::gosperGliderGunAt120},
              {"kommentare.rle",
               "\xEF\xBB\xBF#r B3/S23\n# frei\nx = 3, y = 3\n#C mitten\nbo$2bo$3o!\n#C danach\n"},
              {"muster.rle", fileFormat(FormatId::Rle).write(fieldDocument(settings, grid))}});
  writeSeeds(
      root, "fuzz_plaintext",
      {{"lwss.cells", test::lightweightSpaceship},
       {"kommentare.cells", "\xEF\xBB\xBF!Name: X\n!\n! Name: y\n.O\n"},
       {"muster.cells", fileFormat(FormatId::Plaintext).write(fieldDocument(settings, grid))}});

  writeSeeds(root, "fuzz_lifetext",
             {{"gun.lif", test::gosperGliderGun105},
              {"diehard.lif", test::diehard105},
              {"acorn.lif", test::acorn106}});
  writeSeeds(
      root, "fuzz_macrocell",
      {{"gun.mc", test::gosperGliderGunMacrocell}, {"rpentomino.mc", test::rPentominoMacrocell}});
  writeSeeds(root, "fuzz_gzip",
             {{"gun.rle.gz", test::gzipped(test::gosperGliderGun)},
              {"gun.mc.gz", test::gzipped(test::gosperGliderGunMacrocell)}});
  writeSeeds(
      root, "fuzz_clipboard",
      {{"seite.html", "<pre>#C &lt;c/4&gt;<br>&nbsp;x = 3, y = 3<br>&#98;o$2bo$3o&#x21;</pre>"},
       {"forum.txt", "Seht:\n  #N Blinker\n  x = 3, y = 1\n  3o!\nGut!"},
       {"blinker.lxm", test::blinkerLifeXml},
       {"acorn.lif", test::acorn106}});

  const test::TestImage image = test::paintedImage(9, 7, [](int x, int y) {
    return Rgb{static_cast<std::uint8_t>(28 * x), static_cast<std::uint8_t>(36 * y), 99};
  });
  writeSeeds(root, "fuzz_picture",
             {{"farbe.jpg", test::jpegBytes(image)},
              {"grau.jpg", test::jpegBytes(image, test::JpegKind::Grey)},
              {"stufen.jpg", test::jpegBytes(image, test::JpegKind::Progressive)},
              {"ycck.jpg", test::jpegBytes(image, test::JpegKind::AdobeYcck)},
              {"farbe.png", test::pngBytes(image)},
              {"palette.png", test::pngBytes(image, test::PngKind::Palette)},
              {"grau16.png", test::pngBytes(image, test::PngKind::Grey16)},
              {"alpha.png", test::pngBytes(image, test::PngKind::RgbAlpha)},
              {"zeilen.png", test::pngBytes(image, test::PngKind::Interlaced)},
              {"unten.bmp", test::bmpBytes(image, false)},
              {"oben.bmp", test::bmpBytes(image, true)}});
  return 0;
}
