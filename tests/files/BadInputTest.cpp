// Hostile and broken input for the three readers: every case ends with a
// clear result, touches nothing outside the 500 x 500 grid (the sanitizer
// build watches every access), and neither crashes nor hangs.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <zlib.h>

#include <cstring>
#include <filesystem>

#include "files/DocumentApply.h"
#include "files/io/RegularFile.h"
#include "files/lifefile/LifeFile.h"
#include "files/lifexml/LifeXmlDocument.h"
#include "files/lifexml/LifeXmlReader.h"
#include "files/picture/PictureImport.h"
#include "files/picture/PictureLoader.h"
#include "settings/SettingsRecord.h"
#include "tests/files/PatternExamples.h"
#include "tests/support/DocumentFiles.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestPictures.h"

namespace orvalis {
namespace {

// Paths that name no regular file: a folder, a FIFO (whose opening would
// block), an endless device, a missing file.
struct NoRegularFiles {
  test::TempFolder folder;
  std::vector<std::string> paths;

  NoRegularFiles() {
    std::filesystem::create_directory(folder.path("ordner.lxm"));
    const std::string fifo = folder.path("fifo.lif");
    EXPECT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    paths = {folder.path("ordner.lxm"), fifo, "/dev/zero", folder.path("fehlt.png")};
  }
};

// A sparse file just over the pattern file limit.
std::string oversizedFile(const test::TempFolder& folder) {
  const std::string path = folder.write("riesig.lxm", test::blinkerLifeXml);
  std::filesystem::resize_file(path, maxPatternFileBytes + 1);
  return path;
}

struct Target {
  SettingsRecord settings;
  CellGrid grid;

  std::string applyXml(std::string_view xml) {
    const auto document = parseLifeXml(xml);
    return document ? test::placeLifeXml(*document, ReadMode::Full, "x.lxm", settings, grid)
                    : test::xmlWithoutRoot;
  }

  int cellsOfState(CellState state) const {
    int count = 0;
    for (int x = 0; x < gridColumns; ++x) {
      for (int y = 0; y < gridRows; ++y) {
        count += grid.at(x, y).state == state ? 1 : 0;
      }
    }
    return count;
  }
};

// ---- LifeXML ----

TEST(BadLifeXml, UnreadablePathsGiveNoDocument) {
  const NoRegularFiles unreadable;
  std::vector<std::string> paths = unreadable.paths;
  paths.push_back(oversizedFile(unreadable.folder));
  paths.push_back(unreadable.folder.write("leer.lxm", ""));
  Target target;
  for (const std::string& path : paths) {
    EXPECT_FALSE(test::loadInto(FormatId::LifeXml, path, target.settings, target.grid).document)
        << path;
  }
}

TEST(BadLifeXml, GarbageAndCutDeclarationsHaveNoRootElement) {
  Target target;
  EXPECT_EQ(target.applyXml(std::string("\x00\xFF\xFE\x01garbage", 11)), test::xmlWithoutRoot);
  EXPECT_EQ(target.applyXml("<?xml version=\"1.0\" encoding=\"UTF-8\"?"), test::xmlWithoutRoot);
  EXPECT_EQ(target.applyXml("<"), test::xmlWithoutRoot);
  EXPECT_EQ(target.applyXml("<?xml version=\"1.0\" encoding=\"KOI8-R\"?><Orvalis/>"),
            test::xmlWithoutRoot)
      << "an encoding expat does not know";
}

TEST(BadLifeXml, MalformedDocumentsApplyWhatCameBeforeTheError) {
  Target mismatched;
  EXPECT_EQ(mismatched.applyXml("<Orvalis><Interval ms='70'/><Fields><F x='1' y='1'/></Felder>"
                                "<Interval ms='80'/></Orvalis>"),
            test::xmlLoaded);
  EXPECT_EQ(mismatched.settings.gadgetValue(GadgetId::IntervalSpin), 70);
  EXPECT_EQ(mismatched.grid.at(1, 1).state, CellState::Alive);

  Target badUtf8;
  EXPECT_EQ(badUtf8.applyXml("<Orvalis><Interval ms='90'/><Author name='\xC3\x28'/>"
                             "<Interval ms='95'/></Orvalis>"),
            test::xmlLoaded);
  EXPECT_EQ(badUtf8.settings.gadgetValue(GadgetId::IntervalSpin), 90);
}

TEST(BadLifeXml, CellsOutsideTheGridAndWithoutACoordinateAreSkipped) {
  Target target;
  ASSERT_EQ(target.applyXml("<Orvalis><Fields>"
                            "<F x='3'/><F y='4'/>"  // no row yet, then no column
                            "<F x='-1' y='0'/><F x='500' y='0'/><F x='0' y='500'/>"
                            "<F x='2147483648' y='1'/><F x='-2147483649' y='1'/>"
                            "<F x='99999999999999999999999' y='2'/><F x='4294967296' y='0'/>"
                            "<S x='499' y='499'/><E x='0' y='0'/><F x='-5'/><F x='7'/>"
                            "</Fields></Orvalis>"),
            test::xmlLoaded);
  EXPECT_EQ(target.grid.at(499, 499).state, CellState::Static);
  EXPECT_EQ(target.grid.at(0, 0).state, CellState::Blocked);
  EXPECT_EQ(target.grid.at(3, 4).state, CellState::Alive) << "x kept from the first element";
  EXPECT_EQ(target.grid.at(7, 0).state, CellState::Alive) << "row 0 kept from the element before";
  EXPECT_EQ(target.cellsOfState(CellState::Alive), 2);
}

TEST(BadLifeXml, DeepNestingStopsAtTheLimitWithoutRecursion) {
  std::string xml = "<Orvalis><Interval ms='33'/>";
  for (int i = 0; i < 200000; ++i) {
    xml += "<a>";
  }
  for (int i = 0; i < 200000; ++i) {
    xml += "</a>";
  }
  xml += "<Interval ms='44'/></Orvalis>";
  const auto document = parseLifeXml(xml);
  ASSERT_TRUE(document);
  EXPECT_LE(document->nodeCount(), maxXmlDepth + 2);
  Target target;
  EXPECT_EQ(target.applyXml(xml), test::xmlLoaded);
  EXPECT_EQ(target.settings.gadgetValue(GadgetId::IntervalSpin), 33);
}

TEST(BadLifeXml, NodeCountIsBounded) {
  std::string xml = "<Orvalis>";
  for (std::size_t i = 0; i < maxXmlNodes + 10; ++i) {
    xml += "<a/>";
  }
  xml += "</Orvalis>";
  const auto document = parseLifeXml(xml);
  ASSERT_TRUE(document);
  EXPECT_EQ(document->nodeCount(), maxXmlNodes);
}

TEST(BadLifeXml, EntitiesNeitherMultiplyNorReachOutsideTheFile) {
  std::string laughs = "<?xml version='1.0'?><!DOCTYPE Orvalis [<!ENTITY l0 'ha'>";
  for (int i = 1; i <= 9; ++i) {
    laughs += "<!ENTITY l" + std::to_string(i) + " '";
    for (int k = 0; k < 10; ++k) {
      laughs += "&l" + std::to_string(i - 1) + ";";
    }
    laughs += "'>";
  }
  laughs +=
      "<!ENTITY extern SYSTEM 'file:///etc/hostname'>]>"
      "<Orvalis><Comment>\r\n    &l9; &extern;\r\n  </Comment><Author name='&l9;'/>"
      "</Orvalis>";
  Target target;
  EXPECT_EQ(target.applyXml(laughs), test::xmlLoaded);
  EXPECT_EQ(target.settings.gadgetText(GadgetId::CommentEditor), "&l9; &extern;\r\n ");
  EXPECT_EQ(target.settings.gadgetText(GadgetId::AuthorField), "")
      << "expat refuses the expansion in the attribute";
}

TEST(BadLifeXml, HugeAttributeIsReadInReasonableTime) {
  std::string xml = "<Orvalis><Author name='";
  xml.append(8 * 1024 * 1024, 'A');
  xml += "'/></Orvalis>";
  Target target;
  EXPECT_EQ(target.applyXml(xml), test::xmlLoaded);
  EXPECT_EQ(target.settings.gadgetText(GadgetId::AuthorField).size(), 8u * 1024 * 1024);
}

// ---- Life file ----

TEST(BadLifeFile, UnreadablePathsFailAndChangeNothing) {
  const NoRegularFiles unreadable;
  Target target;
  target.grid.at(0, 0).state = CellState::Static;
  for (const std::string& path : unreadable.paths) {
    EXPECT_FALSE(test::loadInto(FormatId::LifeFile, path, target.settings, target.grid).loaded())
        << path;
  }
  EXPECT_FALSE(test::loadInto(FormatId::LifeFile, oversizedFile(unreadable.folder), target.settings,
                              target.grid)
                   .loaded());
  EXPECT_EQ(target.grid.at(0, 0).state, CellState::Static);
  EXPECT_EQ(target.settings.gadgetText(GadgetId::FileNameField), "");
}

TEST(BadLifeFile, EmptyAndCutHeadersReadAsZeros) {
  const test::TempFolder folder;
  Target target;
  target.grid.at(0, 0).state = CellState::Static;
  ASSERT_TRUE(
      test::loadInto(FormatId::LifeFile, folder.write("leer.lif", ""), target.settings, target.grid)
          .loaded());
  EXPECT_EQ(target.settings.gadgetText(GadgetId::IntervalSpin), "0");
  EXPECT_EQ(target.settings.gadgetValue(GadgetId::SizeXSpin), 1);
  EXPECT_EQ(target.grid.at(0, 0).state, CellState::Static) << "a 0 x 0 rectangle has no cells";
  ASSERT_TRUE(test::loadInto(FormatId::LifeFile, folder.write("kurz.lif", "\x05\x00\x00"),
                             target.settings, target.grid)
                  .loaded());
  EXPECT_EQ(target.settings.gadgetText(GadgetId::IntervalSpin), "5");
}

std::string lifeHeader(std::int32_t columns, std::int32_t rows) {
  return test::lifeFileHeader(0, columns, rows);
}

TEST(BadLifeFile, NegativeSizesReadNoCells) {
  for (const auto& [columns, rows] : {std::pair{-3, 4}, {4, -3}, {-3, -3}, {0, 7}}) {
    Target target;
    target.grid.at(0, 0).state = CellState::Static;
    placeDocument(lifeFileDocument(lifeHeader(columns, rows) + "Kommentar"), target.settings,
                  target.grid);
    EXPECT_EQ(target.grid.at(0, 0).state, CellState::Static) << columns << " x " << rows;
    EXPECT_EQ(target.settings.gadgetText(GadgetId::CommentEditor), "Kommentar");
    EXPECT_EQ(target.settings.gadgetValue(GadgetId::SizeXSpin), columns > 0 ? columns : 1);
  }
}

TEST(BadLifeFile, RectanglesBeyondTheGridReadOnlyTheirPartInside) {
  // 600 columns: cell (x, y) at 20 + 600 y + x; cells right of 499 skipped.
  std::string wide = lifeHeader(600, 2) + std::string(1200, '\0');
  wide[20 + 499] = 1;
  wide[20 + 500] = 2;
  wide[20 + 600 + 1] = 3;
  Target target;
  placeDocument(lifeFileDocument(wide + "Ende"), target.settings, target.grid);
  EXPECT_EQ(target.settings.gadgetValue(GadgetId::SizeXSpin), 500);
  EXPECT_EQ(target.grid.at(499, 0).state, CellState::Alive);
  EXPECT_EQ(target.grid.at(1, 1).state, CellState::Blocked);
  EXPECT_EQ(target.cellsOfState(CellState::Static), 0);
  EXPECT_EQ(target.settings.gadgetText(GadgetId::CommentEditor), "Ende");

  // The largest sizes a header can hold: bounded work, no cell outside.
  for (const auto& [columns, rows] :
       {std::pair{2147483647, 2147483647}, {65536, 65536}, {1, 2147483647}, {2147483647, 1}}) {
    Target huge;
    placeDocument(lifeFileDocument(lifeHeader(columns, rows) + std::string(100, '\x01')),
                  huge.settings, huge.grid);
    EXPECT_EQ(huge.settings.gadgetValue(GadgetId::SizeXSpin), std::min(columns, 500));
    EXPECT_EQ(huge.settings.gadgetText(GadgetId::CommentEditor), "");
    EXPECT_LE(huge.cellsOfState(CellState::Alive), 100);
  }
}

// ---- Pictures ----

std::string withPngChunk(const std::string& png, std::uint32_t width, std::uint32_t height) {
  // IHDR starts right after the signature: length, type, data, CRC.
  std::string patched = png;
  for (int k = 0; k < 4; ++k) {
    patched[static_cast<std::size_t>(16 + k)] = static_cast<char>((width >> (24 - 8 * k)) & 0xFF);
    patched[static_cast<std::size_t>(20 + k)] = static_cast<char>((height >> (24 - 8 * k)) & 0xFF);
  }
  const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(patched.data() + 12), 17);
  for (int k = 0; k < 4; ++k) {
    patched[static_cast<std::size_t>(29 + k)] = static_cast<char>((crc >> (24 - 8 * k)) & 0xFF);
  }
  return patched;
}

std::string withJpegSize(const std::string& jpeg, std::uint16_t width, std::uint16_t height) {
  std::string patched = jpeg;
  const std::size_t frame = patched.find("\xFF\xC0");
  patched[frame + 5] = static_cast<char>(height >> 8);
  patched[frame + 6] = static_cast<char>(height & 0xFF);
  patched[frame + 7] = static_cast<char>(width >> 8);
  patched[frame + 8] = static_cast<char>(width & 0xFF);
  return patched;
}

std::string withBmpSize(const std::string& bmp, std::int32_t width, std::int32_t height) {
  std::string patched = bmp;
  test::putLittleEndian(patched, 18, static_cast<std::uint32_t>(width));
  test::putLittleEndian(patched, 22, static_cast<std::uint32_t>(height));
  return patched;
}

TEST(BadPicture, UnreadablePathsAndEmptyFilesFailAndChangeNothing) {
  const NoRegularFiles unreadable;
  Target target;
  target.grid.at(0, 0).state = CellState::Static;
  for (const std::string& path : unreadable.paths) {
    EXPECT_FALSE(test::loadInto(FormatId::Pictures, path, target.settings, target.grid).loaded())
        << path;
  }
  EXPECT_FALSE(test::loadInto(FormatId::Pictures, unreadable.folder.write("leer.png", ""),
                              target.settings, target.grid)
                   .loaded());
  EXPECT_EQ(target.grid.at(0, 0).state, CellState::Static);
  EXPECT_EQ(target.settings.gadgetText(GadgetId::FileNameField), "");
}

TEST(BadPicture, SignaturesWithoutAPictureAreRefused) {
  EXPECT_FALSE(decodePicture("\xFF\xD8"));
  EXPECT_FALSE(decodePicture("\x89PNG\r\n\x1A\n"));
  EXPECT_FALSE(decodePicture("BM"));
  EXPECT_FALSE(decodePicture("BMP ist ein Format"));
  EXPECT_FALSE(decodePicture(std::string(4096, '\0')));
}

TEST(BadPicture, TruncatedAndCorruptPicturesAreRefused) {
  const test::TestImage image = test::paintedImage(64, 48, [](int x, int y) {
    return Rgb{static_cast<std::uint8_t>(x * 4), static_cast<std::uint8_t>(y * 5), 77};
  });
  for (const std::string& picture :
       {test::jpegBytes(image), test::jpegBytes(image, test::JpegKind::Progressive),
        test::pngBytes(image), test::pngBytes(image, test::PngKind::Interlaced)}) {
    ASSERT_TRUE(decodePicture(picture));
    for (const std::size_t length :
         {std::size_t{10}, std::size_t{40}, picture.size() / 2, picture.size() - 3}) {
      EXPECT_FALSE(decodePicture(picture.substr(0, length))) << length << " of " << picture.size();
    }
  }
  std::string png = test::pngBytes(image);
  png[40] = static_cast<char>(png[40] ^ 0x55);  // inside the pixel data: the CRC no longer fits
  EXPECT_FALSE(decodePicture(png));
  const std::string bmp = test::bmpBytes(image);
  for (const std::size_t length :
       {std::size_t{30}, std::size_t{60}, bmp.size() / 2, bmp.size() - 3}) {
    EXPECT_FALSE(decodePicture(bmp.substr(0, length))) << length << " of " << bmp.size();
  }
  EXPECT_FALSE(decodePicture(withBmpSize(bmp, 0, 48)));
  EXPECT_FALSE(decodePicture(withBmpSize(bmp, -64, 48)));
}

// Cameras and some programs leave out the end marker of a JPEG; a file cut
// off inside its image data, even between two scans, stays refused.
TEST(BadPicture, JpegsWithoutTheirEndMarkerLoadButCutImageDataIsRefused) {
  const test::TestImage image = test::paintedImage(64, 48, [](int x, int y) {
    return Rgb{static_cast<std::uint8_t>(x * 4), static_cast<std::uint8_t>(y * 5), 77};
  });
  for (const test::JpegKind kind : {test::JpegKind::Colour, test::JpegKind::Progressive,
                                    test::JpegKind::Sequential, test::JpegKind::AdobeCmyk}) {
    SCOPED_TRACE(static_cast<int>(kind));
    const std::string whole = test::jpegBytes(image, kind);
    ASSERT_TRUE(whole.ends_with("\xFF\xD9"));
    const auto intact = decodePicture(whole);
    const auto withoutEnd = decodePicture(whole.substr(0, whole.size() - 2));
    ASSERT_TRUE(intact && withoutEnd);
    for (int y = 0; y < image.height; ++y) {
      ASSERT_EQ(std::memcmp(intact->row(y), withoutEnd->row(y), 3 * image.width), 0) << y;
    }
    const std::size_t lastScan = whole.rfind("\xFF\xDA");
    for (const std::size_t length : {lastScan, lastScan + 20, whole.size() - 4}) {
      EXPECT_FALSE(decodePicture(whole.substr(0, length))) << length << " of " << whole.size();
    }
  }
  // The arithmetic decoder fills in missing data without a word: such a
  // file must be whole.
  const std::string arithmetic = test::jpegBytes(image, test::JpegKind::Arithmetic);
  ASSERT_TRUE(decodePicture(arithmetic));
  EXPECT_FALSE(decodePicture(arithmetic.substr(0, arithmetic.size() - 4)));
}

TEST(BadPicture, SizesBeyondTheLimitAreRefusedBeforeDecoding) {
  const test::TestImage small = test::solidImage(8, 8, {1, 2, 3});
  const std::string png = test::pngBytes(small);
  EXPECT_FALSE(decodePicture(withPngChunk(png, 2000000, 2000000)));
  EXPECT_FALSE(decodePicture(withPngChunk(png, 20000, 20000)));
  EXPECT_FALSE(decodePicture(withPngChunk(png, 0x7FFFFFFF, 1)));
  EXPECT_FALSE(decodePicture(withJpegSize(test::jpegBytes(small), 65000, 65000)));
  EXPECT_FALSE(decodePicture(withJpegSize(test::jpegBytes(small), 0, 8)));
  EXPECT_FALSE(decodePicture(withBmpSize(test::bmpBytes(small), 100000, 100000)));
  EXPECT_FALSE(decodePicture(withBmpSize(test::bmpBytes(small), 2147483647, -2147483647)));
}

}  // namespace
}  // namespace orvalis
