#include <gtest/gtest.h>

#include <algorithm>

#include "files/FileContent.h"
#include "files/FileFormats.h"
#include "tests/files/PatternExamples.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestGzip.h"
#include "tests/support/TestPictures.h"

using namespace orvalis;

namespace {

struct Listed {
  std::string label;
  std::vector<std::string> patterns;
};

std::vector<Listed> listed(const std::vector<const FileFormat*>& formats) {
  std::vector<Listed> list;
  for (const FileFormat* format : formats) {
    list.push_back({format->label, format->dialogPatterns});
  }
  return list;
}

bool operator==(const Listed& a, const Listed& b) {
  return a.label == b.label && a.patterns == b.patterns;
}

// The dialogs' lists in their fixed order: Lifedatei 0, LifeXML 1 and, when
// loading, Bilder 2.
TEST(FileFormats, DialogListsKeepTheirOrder) {
  EXPECT_EQ(listed(loadFormats()),
            (std::vector<Listed>{{"Lifedatei", {"*.lif"}},
                                 {"LifeXML", {"*.lxm"}},
                                 {"Bilder", {"*.jpg", "*.bmp", "*.png", "*.jpeg"}},
                                 {"RLE", {"*.rle"}},
                                 {"Plaintext", {"*.cells"}},
                                 {"Macrocell", {"*.mc"}}}));
  EXPECT_EQ(listed(saveFormats()), (std::vector<Listed>{{"Lifedatei", {"*.lif"}},
                                                        {"LifeXML", {"*.lxm"}},
                                                        {"RLE", {"*.rle"}},
                                                        {"Plaintext", {"*.cells"}},
                                                        {"Bild", {"*.png"}}}));
}

TEST(FileFormats, NameSelectsFormat) {
  struct Case {
    const char* path;
    std::optional<FormatId> loaded;
    std::optional<FormatId> saved;
  };
  const Case cases[] = {
      {"a/muster.LIF", FormatId::LifeFile, FormatId::LifeFile},
      {"muster.lxm", FormatId::LifeXml, FormatId::LifeXml},
      {"gleiter.Rle", FormatId::Rle, FormatId::Rle},
      {"gleiter.cells", FormatId::Plaintext, FormatId::Plaintext},
      {"foto.JPEG", FormatId::Pictures, std::nullopt},
      {"bild.png", FormatId::Pictures, std::nullopt},
      {"bild.bmp", FormatId::Pictures, std::nullopt},
      {"welt.MC", FormatId::Macrocell, std::nullopt},
      {"gleiter.rle.GZ", FormatId::Rle, std::nullopt},
      {"welt.mc.gz", FormatId::Macrocell, std::nullopt},
      {"archiv.gz", std::nullopt, std::nullopt},
      {"notiz.txt", std::nullopt, std::nullopt},
      {"ohne", std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    const FileFormat* loaded = loadFormatForName(c.path);
    const FileFormat* saved = saveFormatForName(c.path);
    EXPECT_EQ(loaded ? std::optional(loaded->id) : std::nullopt, c.loaded);
    EXPECT_EQ(saved ? std::optional(saved->id) : std::nullopt, c.saved);
  }
}

// A file saved in one format never keeps a name that claims another, any
// format the table holds.
TEST(FileFormats, EveryOtherFormatsExtensionGivesWay) {
  const auto holds = [](const std::vector<std::string>& list, const std::string& extension) {
    return std::ranges::find(list, extension) != list.end();
  };
  for (const FileFormat* saved : saveFormats()) {
    const std::vector<std::string> givingWay = extensionsGivingWay(*saved);
    for (const FileFormat* known : loadFormats()) {
      for (const std::string& extension : known->extensions) {
        EXPECT_EQ(holds(givingWay, extension), !holds(saved->extensions, extension))
            << saved->label << " ." << extension;
      }
    }
  }
}

// A name that selects no format leaves it to the content, and so does a
// Life file's, as Life 1.05/1.06 text and other programs' files share its
// name; a binary Life file is what remains.
TEST(FileFormats, ContentDecidesWhereTheNameCannot) {
  const test::TempFolder folder;
  const std::string rle = "#C x\nx = 3, Y=1\n3o!\n";
  struct Case {
    const char* name;
    std::string content;
    std::optional<FormatId> read;  // none: the message
    const char* message;
  };
  const Case cases[] = {
      {"acorn.lif", "#Life 1.05\n*\n", FormatId::LifeFile, ""},
      {"acorn.lif", "#Life 1.06\r0 0\r", FormatId::LifeFile, ""},
      {"blinker.lif", test::blinkerLifeFile, FormatId::LifeFile, ""},
      {"gleiter.lif", rle, FormatId::Rle, ""},
      {"gleiter.lif", test::gzipped(rle), FormatId::Rle, ""},
      {"muster.lif", test::blinkerLifeXml, FormatId::LifeXml, ""},
      {"bild.lif", test::pngBytes(test::solidImage(2, 2, {0, 0, 0})), FormatId::Pictures, ""},
      {"welt.lif", "[M2]\n*$\n", FormatId::Macrocell, ""},
      {"welt", test::gzipped("[M2]\n*$\n"), FormatId::Macrocell, ""},
      {"gleiter", rle, FormatId::Rle, ""},
      {"gleiter.lif", "\xEF\xBB\xBF" + rle, FormatId::Rle, ""},
      {"text.rle", "[M2]\n", FormatId::Rle, ""},
      {"notiz.txt", "x = 3\n", std::nullopt, "Unbekanntes Dateiformat"},
      {"fehlt", "", std::nullopt, "Datei konnte nicht geladen werden"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name).append(" ").append(c.content, 0, 12));
    const std::string path =
        c.content.empty() ? folder.path(c.name) : folder.write(c.name, c.content);
    const FileContent content = formatForOpening(path);
    EXPECT_EQ(content.format ? std::optional(content.format->id) : std::nullopt, c.read);
    if (!content.format) {
      EXPECT_EQ(unopenedFileMessage(content).text, c.message);
    }
  }
}

}  // namespace
