// Classic patterns in Life 1.05, Life 1.06 and macrocell form, opened by
// name as the program opens files, evolve cell for cell as the same pattern
// read from RLE.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "engine/GenerationStep.h"
#include "files/DocumentApply.h"
#include "files/FileContent.h"
#include "files/LoadAndSave.h"
#include "settings/SettingsRecord.h"
#include "tests/files/ClassicPatterns.h"
#include "tests/files/OtherPatternForms.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestGzip.h"

namespace orvalis {
namespace {

struct Evolved {
  std::set<std::pair<int, int>> living;
  std::string comment;
};

Evolved openedAndRun(const std::string& path, FieldSize size, int generations) {
  SettingsRecord settings;
  settings.setGadgetValue(GadgetId::SizeXSpin, size.columns);
  settings.setGadgetValue(GadgetId::SizeYSpin, size.rows);
  LifeField field;
  const FileContent content = formatForOpening(path);
  EXPECT_TRUE(content.format);
  if (!content.format) {
    return {};
  }
  const DocumentReading reading = loadDocument(*content.format, path, readingContext(settings));
  if (!reading.loaded()) {
    return {};
  }
  applyDocument(*reading.document, settings, field);
  const StepSettings step{visibleFieldSize(settings),
                          settings.gadgetValue(GadgetId::InfiniteCheck) != 0};
  for (int k = 0; k <= generations; ++k) {
    advanceGeneration(field, step, nullptr);
  }
  Evolved evolved{{}, settings.gadgetText(GadgetId::CommentEditor)};
  for (int y = 0; y < step.size.rows; ++y) {
    for (int x = 0; x < step.size.columns; ++x) {
      if (field.cells.at(x, y).state == CellState::Alive) {
        evolved.living.insert({x, y});
      }
    }
  }
  return evolved;
}

TEST(ClassicPatternForms, EvolveCellForCellAsFromRle) {
  struct Case {
    const char* name;
    std::string form;
    const std::string& rle;
    FieldSize field;
    int generations;
    const char* comment;
  };
  const Case cases[] = {
      {"gun.lif",
       test::gosperGliderGun105,
       test::gosperGliderGun,
       {60, 40},
       120,
       "Gosper glider gun"},
      {"diehard.lif", test::diehard105, test::diehard, {40, 40}, 129, "Diehard"},
      {"acorn.lif", test::acorn106, test::acorn, {120, 80}, 100, ""},
      {"acorn105.lif", test::acorn105, test::acorn, {120, 80}, 100, "Acorn"},
      {"gun.mc",
       test::gosperGliderGunMacrocell,
       test::gosperGliderGun,
       {60, 40},
       120,
       "Gosper glider gun"},
      {"r.mc.gz", test::gzipped(test::rPentominoMacrocell), test::rPentomino, {100, 100}, 1000, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const test::TempFolder folder;
    const Evolved form = openedAndRun(folder.write(c.name, c.form), c.field, c.generations);
    const Evolved rle = openedAndRun(folder.write("muster.rle", c.rle), c.field, c.generations);
    EXPECT_FALSE(form.living.empty());
    EXPECT_EQ(form.living, rle.living);
    EXPECT_EQ(form.comment, c.comment);
  }
}

}  // namespace
}  // namespace orvalis
