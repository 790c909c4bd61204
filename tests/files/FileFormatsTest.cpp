#include <gtest/gtest.h>

#include <algorithm>

#include "files/FileFormats.h"

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
                                 {"Plaintext", {"*.cells"}}}));
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

}  // namespace
