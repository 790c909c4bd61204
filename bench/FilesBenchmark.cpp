#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench/BenchPath.h"
#include "engine/FieldCommands.h"
#include "engine/Random.h"
#include "files/lifefile/LifeFile.h"
#include "files/lifexml/LifeXmlDocument.h"
#include "files/lifexml/LifeXmlReader.h"
#include "files/lifexml/LifeXmlWriter.h"
#include "files/picture/PictureImport.h"
#include "files/picture/Resample.h"
#include "settings/SettingsRecord.h"
#include "tests/support/DocumentFiles.h"

namespace orvalis {
namespace {

constexpr FieldSize fullField{500, 500};

// A 500 x 500 field, half alive, with the settings to match.
struct FullPattern {
  SettingsRecord settings;
  LifeField field;

  FullPattern() {
    settings.setGadgetValue(GadgetId::SizeXSpin, fullField.columns);
    settings.setGadgetValue(GadgetId::SizeYSpin, fullField.rows);
    settings.setGadgetText(GadgetId::CommentEditor, "Zufall\r\nhalb voll");
    Random random(42);
    randomFill(field, fullField, 50, random);
  }
};

void BM_WriteLifeXml(benchmark::State& state) {
  FullPattern pattern;
  const std::string path = benchPath("voll.lxm");
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        orvalis::test::saveAs(FormatId::LifeXml, path, pattern.settings, pattern.field.cells));
  }
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
  std::filesystem::remove(path);
}
BENCHMARK(BM_WriteLifeXml)->Unit(benchmark::kMillisecond);

void BM_ReadLifeXml(benchmark::State& state) {
  FullPattern pattern;
  const std::string path = benchPath("voll.lxm");
  orvalis::test::saveAs(FormatId::LifeXml, path, pattern.settings, pattern.field.cells);
  SettingsRecord settings;
  CellGrid grid;
  for (auto _ : state) {
    benchmark::DoNotOptimize(orvalis::test::loadInto(FormatId::LifeXml, path, settings, grid));
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_ReadLifeXml)->Unit(benchmark::kMillisecond);

void BM_WriteLifeFile(benchmark::State& state) {
  FullPattern pattern;
  const std::string path = benchPath("voll.lif");
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        orvalis::test::saveAs(FormatId::LifeFile, path, pattern.settings, pattern.field.cells));
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_WriteLifeFile)->Unit(benchmark::kMillisecond);

void BM_ReadLifeFile(benchmark::State& state) {
  FullPattern pattern;
  const std::string path = benchPath("voll.lif");
  orvalis::test::saveAs(FormatId::LifeFile, path, pattern.settings, pattern.field.cells);
  SettingsRecord settings;
  CellGrid grid;
  for (auto _ : state) {
    benchmark::DoNotOptimize(test::loadInto(FormatId::LifeFile, path, settings, grid).loaded());
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_ReadLifeFile)->Unit(benchmark::kMillisecond);

void BM_WriteRle(benchmark::State& state) {
  FullPattern pattern;
  const std::string path = benchPath("voll.rle");
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        orvalis::test::saveAs(FormatId::Rle, path, pattern.settings, pattern.field.cells));
  }
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
  std::filesystem::remove(path);
}
BENCHMARK(BM_WriteRle)->Unit(benchmark::kMillisecond);

void BM_ReadRle(benchmark::State& state) {
  FullPattern pattern;
  const std::string path = benchPath("voll.rle");
  orvalis::test::saveAs(FormatId::Rle, path, pattern.settings, pattern.field.cells);
  SettingsRecord settings;
  CellGrid grid;
  for (auto _ : state) {
    benchmark::DoNotOptimize(orvalis::test::loadInto(FormatId::Rle, path, settings, grid));
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_ReadRle)->Unit(benchmark::kMillisecond);

// A 4000 x 3000 photo-sized picture fitted to the full field and turned
// into cells: the work of an import after decoding.
void BM_FitPictureToField(benchmark::State& state) {
  CellGrid grid;
  for (auto _ : state) {
    state.PauseTiming();
    auto picture = RgbPicture::create(4000, 3000);
    for (int y = 0; y < picture->height(); ++y) {
      std::uint8_t* row = picture->row(y);
      for (int x = 0; x < 3 * picture->width(); ++x) {
        row[x] = static_cast<std::uint8_t>(x ^ y);
      }
    }
    state.ResumeTiming();
    const auto fitted = fittedPicture(std::move(picture), fullField);
    benchmark::DoNotOptimize(pictureCells(*fitted, fullField, 128, false));
  }
}
BENCHMARK(BM_FitPictureToField)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvalis

BENCHMARK_MAIN();
