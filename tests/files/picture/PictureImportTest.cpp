#include <gtest/gtest.h>

#include <cstdlib>

#include "files/picture/JpegDecoder.h"
#include "files/picture/PictureImport.h"
#include "files/picture/PictureLoader.h"
#include "files/picture/Resample.h"
#include "settings/SettingsRecord.h"
#include "tests/support/DocumentFiles.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestPictures.h"

namespace orvalis {
namespace {

using test::JpegKind;
using test::PngKind;

constexpr Rgb black{0, 0, 0};
constexpr Rgb white{255, 255, 255};

// Four distinct colours, one per quadrant, to see orientation and colour.
test::TestImage quadrants() {
  return test::paintedImage(16, 12, [](int x, int y) {
    if (y < 6) {
      return x < 8 ? Rgb{200, 30, 30} : Rgb{30, 200, 30};
    }
    return x < 8 ? Rgb{30, 30, 200} : Rgb{250, 250, 250};
  });
}

void expectColour(const RgbPicture& picture, int x, int y, Rgb expected, int tolerance = 0) {
  const Rgb actual = picture.pixel(x, y);
  EXPECT_LE(std::abs(actual.red - expected.red), tolerance) << x << "," << y;
  EXPECT_LE(std::abs(actual.green - expected.green), tolerance) << x << "," << y;
  EXPECT_LE(std::abs(actual.blue - expected.blue), tolerance) << x << "," << y;
}

// Lossless formats are checked at the quadrants' borders too; JPEG blurs
// colour there and is checked a few pixels away.
void expectQuadrants(const std::unique_ptr<RgbPicture>& decoded, bool lossless) {
  ASSERT_TRUE(decoded);
  const RgbPicture& picture = *decoded;
  ASSERT_EQ(picture.width(), 16);
  ASSERT_EQ(picture.height(), 12);
  const test::TestImage image = quadrants();
  for (const auto& [x, y] : {std::pair{1, 1}, {14, 1}, {1, 10}, {14, 10}}) {
    expectColour(picture, x, y, image.at(x, y), lossless ? 0 : 8);
  }
  if (lossless) {
    for (const auto& [x, y] : {std::pair{0, 0}, {15, 0}, {0, 11}, {15, 11}, {7, 5}, {8, 6}}) {
      expectColour(picture, x, y, image.at(x, y));
    }
  }
}

TEST(PictureDecoding, ColourFormatsGiveTheirPixelsTopRowFirst) {
  expectQuadrants(decodePicture(test::pngBytes(quadrants(), PngKind::Rgb)), true);
  expectQuadrants(decodePicture(test::pngBytes(quadrants(), PngKind::Palette)), true);
  expectQuadrants(decodePicture(test::pngBytes(quadrants(), PngKind::Rgb16)), true);
  expectQuadrants(decodePicture(test::pngBytes(quadrants(), PngKind::Interlaced)), true);
  expectQuadrants(decodePicture(test::bmpBytes(quadrants(), false)), true);
  expectQuadrants(decodePicture(test::bmpBytes(quadrants(), true)), true);
  for (const JpegKind kind : {JpegKind::Colour, JpegKind::Progressive, JpegKind::Sequential,
                              JpegKind::AdobeCmyk, JpegKind::AdobeYcck, JpegKind::PlainCmyk}) {
    SCOPED_TRACE(static_cast<int>(kind));
    expectQuadrants(decodePicture(test::jpegBytes(quadrants(), kind)), false);
  }
}

TEST(PictureDecoding, GreyBecomesRgbAndAlphaPlaysNoPart) {
  const auto greyPng = decodePicture(test::pngBytes(quadrants(), PngKind::Grey));
  ASSERT_TRUE(greyPng);
  expectColour(*greyPng, 0, 0, {86, 86, 86});
  const auto grey16 = decodePicture(test::pngBytes(quadrants(), PngKind::Grey16));
  ASSERT_TRUE(grey16);
  expectColour(*grey16, 15, 11, {250, 250, 250});
  const auto greyJpeg = decodePicture(test::jpegBytes(quadrants(), JpegKind::Grey));
  ASSERT_TRUE(greyJpeg);
  const Rgb pixel = greyJpeg->pixel(14, 10);
  EXPECT_EQ(pixel.red, pixel.green);
  EXPECT_EQ(pixel.green, pixel.blue);
  EXPECT_NEAR(pixel.red, 250, 3);

  // Even columns are fully transparent; their colour counts all the same.
  const auto alpha = decodePicture(test::pngBytes(quadrants(), PngKind::RgbAlpha));
  ASSERT_TRUE(alpha);
  expectQuadrants(alpha, true);
}

TEST(PictureDecoding, ProgressiveJpegWithManyScansIsRefused) {
  const test::TestImage image = test::solidImage(16, 16, {90, 90, 90});
  const auto fewScans = decodePicture(test::jpegWithScans(image, maxJpegScans));
  ASSERT_TRUE(fewScans);
  expectColour(*fewScans, 5, 5, {90, 90, 90}, 3);
  EXPECT_FALSE(decodePicture(test::jpegWithScans(image, 128)));
}

TEST(PictureResampling, ShrinkingAveragesAndEnlargingRepeats) {
  const test::TempFolder folder;
  // Columns 0 and 1 of each 2 x 2 block: 0 and 200 in red, rows add 40 in green.
  const test::TestImage image = test::paintedImage(4, 4, [](int x, int y) {
    return Rgb{static_cast<std::uint8_t>(x % 2 == 0 ? 0 : 200),
               static_cast<std::uint8_t>(y % 2 == 0 ? 0 : 40), static_cast<std::uint8_t>(10 * x)};
  });
  const auto shrunk = fittedPicture(decodePicture(test::pngBytes(image)), {2, 2});
  ASSERT_TRUE(shrunk);
  ASSERT_EQ(shrunk->width(), 2);
  ASSERT_EQ(shrunk->height(), 2);
  expectColour(*shrunk, 0, 0, {100, 20, 5}, 1);
  expectColour(*shrunk, 1, 1, {100, 20, 25}, 1);

  const auto enlarged = fittedPicture(decodePicture(test::pngBytes(image)), {8, 12});
  ASSERT_EQ(enlarged->width(), 8);
  ASSERT_EQ(enlarged->height(), 12);
  expectColour(*enlarged, 0, 0, image.at(0, 0));
  expectColour(*enlarged, 3, 11, image.at(1, 3));
  expectColour(*enlarged, 7, 2, image.at(3, 0));
}

// A field with settings and content to import onto.
struct ImportTarget {
  SettingsRecord settings;
  CellGrid grid;
  test::TempFolder folder;

  explicit ImportTarget(FieldSize size = {50, 50}) {
    settings.setGadgetValue(GadgetId::SizeXSpin, size.columns);
    settings.setGadgetValue(GadgetId::SizeYSpin, size.rows);
  }

  bool import(const std::string& name, const std::string& bytes, int threshold = 128,
              bool invert = false) {
    settings.setGadgetValue(GadgetId::ThresholdSpin, threshold);
    settings.setGadgetValue(GadgetId::InvertCheck, invert ? 1 : 0);
    return test::loadInto(FormatId::Pictures, folder.write(name, bytes), settings, grid).loaded();
  }

  int living(FieldSize size) const {
    int count = 0;
    for (int x = 0; x < size.columns; ++x) {
      for (int y = 0; y < size.rows; ++y) {
        count += grid.at(x, y).state == CellState::Alive ? 1 : 0;
      }
    }
    return count;
  }
};

TEST(PictureImport, BrightPixelsLiveAndInvertSwapsThem) {
  const test::TestImage image = test::paintedImage(50, 50, [](int x, int) {
    return x < 10 ? white : (x < 20 ? Rgb{128, 129, 129} : black);
  });
  ImportTarget target;
  target.grid.at(60, 60).state = CellState::Static;
  target.grid.at(5, 5).state = CellState::Blocked;
  target.grid.at(30, 5).pending = PendingMark::Birth;
  ASSERT_TRUE(target.import("bild.png", test::pngBytes(image)));
  EXPECT_EQ(target.settings.gadgetText(GadgetId::FileNameField), "bild.png");
  EXPECT_EQ(target.living({50, 50}), 10 * 50);
  EXPECT_EQ(target.grid.at(5, 5).state, CellState::Alive) << "a blocked cell is overwritten";
  EXPECT_EQ(target.grid.at(5, 5).remembered, CellState::Alive);
  EXPECT_EQ(target.grid.at(15, 5).state, CellState::Dead) << "brightness 128 is not above 128";
  EXPECT_EQ(target.grid.at(30, 5).pending, PendingMark::None);
  EXPECT_EQ(target.grid.at(60, 60).state, CellState::Static) << "outside the visible field";
  EXPECT_EQ(target.settings.gadgetValue(GadgetId::SizeXSpin), 50);

  ASSERT_TRUE(target.import("bild.png", test::pngBytes(image), 128, true));
  EXPECT_EQ(target.grid.at(5, 5).state, CellState::Dead);
  EXPECT_EQ(target.grid.at(15, 5).state, CellState::Alive);
  EXPECT_EQ(target.grid.at(30, 5).state, CellState::Alive);
}

TEST(PictureImport, ThresholdsAtTheEnds) {
  const test::TestImage image = test::paintedImage(4, 1, [](int x, int) {
    const Rgb colours[] = {white, {1, 1, 0}, {1, 1, 1}, {0, 0, 2}};
    return colours[x];
  });
  ImportTarget target({4, 1});
  const std::string png = test::pngBytes(image);
  ASSERT_TRUE(target.import("t.png", png, 255));
  EXPECT_EQ(target.living({4, 1}), 0);
  ASSERT_TRUE(target.import("t.png", png, 255, true));
  EXPECT_EQ(target.living({4, 1}), 4);
  ASSERT_TRUE(target.import("t.png", png, 0));
  EXPECT_EQ(target.grid.at(0, 0).state, CellState::Alive);
  EXPECT_EQ(target.grid.at(1, 0).state, CellState::Dead) << "R + G + B of 2";
  EXPECT_EQ(target.grid.at(2, 0).state, CellState::Alive) << "R + G + B of 3";
  EXPECT_EQ(target.grid.at(3, 0).state, CellState::Dead);
}

TEST(PictureImport, PictureIsFittedToTheField) {
  // White where x < 50 and y < 10 of a 100 x 20 picture: the top-left
  // quarter of a 50 x 50 field.
  const test::TestImage wide =
      test::paintedImage(100, 20, [](int x, int y) { return x < 50 && y < 10 ? white : black; });
  ImportTarget target;
  ASSERT_TRUE(target.import("breit.bmp", test::bmpBytes(wide)));
  EXPECT_EQ(target.living({50, 50}), 25 * 25);
  EXPECT_EQ(target.grid.at(24, 24).state, CellState::Alive);
  EXPECT_EQ(target.grid.at(25, 24).state, CellState::Dead);
  EXPECT_EQ(target.grid.at(24, 25).state, CellState::Dead);

  // Three quarters white average to 191 in a single cell.
  const test::TestImage mostlyWhite =
      test::paintedImage(2, 2, [](int x, int y) { return x + y == 0 ? black : white; });
  ImportTarget single({1, 1});
  ASSERT_TRUE(single.import("eins.png", test::pngBytes(mostlyWhite), 190));
  EXPECT_EQ(single.grid.at(0, 0).state, CellState::Alive);
  ASSERT_TRUE(single.import("eins.png", test::pngBytes(mostlyWhite), 192));
  EXPECT_EQ(single.grid.at(0, 0).state, CellState::Dead);
}

TEST(PictureImport, KindIsTakenFromTheContentNotTheName) {
  ImportTarget target({2, 2});
  EXPECT_TRUE(target.import("wirklich.jpg", test::pngBytes(test::solidImage(2, 2, white))));
  EXPECT_EQ(target.living({2, 2}), 4);
  EXPECT_TRUE(target.import("bild.txt", test::jpegBytes(test::solidImage(2, 2, black))));
  EXPECT_EQ(target.living({2, 2}), 0);
  EXPECT_EQ(target.settings.gadgetText(GadgetId::FileNameField), "bild.txt");

  target.grid.at(1, 1).state = CellState::Static;
  EXPECT_FALSE(target.import("text.png", "Dies ist kein Bild.\n"));
  EXPECT_EQ(target.grid.at(1, 1).state, CellState::Static);
  EXPECT_EQ(target.settings.gadgetText(GadgetId::FileNameField), "bild.txt");
}

}  // namespace
}  // namespace orvalis
