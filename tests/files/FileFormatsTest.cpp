#include <gtest/gtest.h>

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
  EXPECT_EQ(listed(loadFormats()), (std::vector<Listed>{{"Lifedatei", {"*.lif"}},
                                                        {"LifeXML", {"*.lxm"}},
                                                        {"Bilder", {"*.jpg", "*.bmp", "*.png"}},
                                                        {"RLE", {"*.rle"}},
                                                        {"Plaintext", {"*.cells"}}}));
  EXPECT_EQ(listed(saveFormats()), (std::vector<Listed>{{"Lifedatei", {"*.lif"}},
                                                        {"LifeXML", {"*.lxm"}},
                                                        {"RLE", {"*.rle"}},
                                                        {"Plaintext", {"*.cells"}},
                                                        {"Bild", {"*.png"}}}));
}

TEST(FileFormats, NameSelectsFormatAndExtensionsGiveWay) {
  struct Case {
    const char* path;
    std::optional<FormatId> loaded;
    std::optional<FormatId> saved;
    std::vector<std::string> givingWay;  // to the saved format's extension
  };
  const Case cases[] = {
      {"a/muster.LIF", FormatId::LifeFile, FormatId::LifeFile, {"lxm"}},
      {"muster.lxm", FormatId::LifeXml, FormatId::LifeXml, {"lif"}},
      {"gleiter.Rle", FormatId::Rle, FormatId::Rle, {"lif", "lxm", "cells"}},
      {"gleiter.cells", FormatId::Plaintext, FormatId::Plaintext, {"lif", "lxm", "rle"}},
      {"foto.JPEG", FormatId::Pictures, std::nullopt, {}},
      {"bild.png", FormatId::Pictures, std::nullopt, {}},
      {"bild.bmp", FormatId::Pictures, std::nullopt, {}},
      {"notiz.txt", std::nullopt, std::nullopt, {}},
      {"ohne", std::nullopt, std::nullopt, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    const FileFormat* loaded = loadFormatForName(c.path);
    const FileFormat* saved = saveFormatForName(c.path);
    EXPECT_EQ(loaded ? std::optional(loaded->id) : std::nullopt, c.loaded);
    EXPECT_EQ(saved ? std::optional(saved->id) : std::nullopt, c.saved);
    if (saved) {
      EXPECT_EQ(extensionsGivingWay(*saved), c.givingWay);
    }
  }
  EXPECT_EQ(extensionsGivingWay(fileFormat(FormatId::FieldPicture)),
            (std::vector<std::string>{"lif", "lxm", "rle", "cells"}));
}

}  // namespace
