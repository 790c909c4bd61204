#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "bench/BenchPath.h"
#include "bench/ProgramTimes.h"
#include "engine/BitField.h"
#include "engine/FieldCommands.h"
#include "files/lifexml/LifeXmlWriter.h"
#include "settings/SettingsRecord.h"
#include "tests/support/DocumentFiles.h"

namespace orvalis {
namespace {

constexpr FieldSize fullField{500, 500};
constexpr int runGenerations = 2000;

// The 500 x 500 torus, half alive.
struct Soup {
  SettingsRecord settings;
  LifeField field;

  Soup() {
    settings.setGadgetValue(GadgetId::SizeXSpin, fullField.columns);
    settings.setGadgetValue(GadgetId::SizeYSpin, fullField.rows);
    settings.setGadgetValue(GadgetId::InfiniteCheck, 1);
    Random random(42);
    randomFill(field, fullField, 50, random);
  }
};

void BM_BitStep(benchmark::State& state) {
  const Soup soup;
  BitField bits(soup.field, {fullField, state.range(0) != 0});
  for (auto _ : state) {
    bits.step();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_BitStep)->ArgName("wrap")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// The same soup for Golly, as RLE on its bounded 500 x 500 torus.
std::string soupRle(const Soup& soup) {
  std::string rle = "x = 500, y = 500, rule = B3/S23:T500,500\n";
  std::string line;
  const auto put = [&](int count, char tag) {
    const std::string item = (count > 1 ? std::to_string(count) : "") + tag;
    if (line.size() + item.size() > 70) {
      rle += line + '\n';
      line.clear();
    }
    line += item;
  };
  for (int y = 0; y < fullField.rows; ++y) {
    for (int x = 0; x < fullField.columns;) {
      const CellState kind = soup.field.cells.at(x, y).state;
      int run = 1;
      while (x + run < fullField.columns && soup.field.cells.at(x + run, y).state == kind) {
        ++run;
      }
      put(run, kind == CellState::Alive ? 'o' : 'b');
      x += run;
    }
    put(1, y + 1 < fullField.rows ? '$' : '!');
  }
  return rle + line + '\n';
}

// The median times of both programs, so that the last benchmark can give
// their ratio.
ProgramTimes runCommandTimes;

// orvalis-cli run: read the .lxm, 2000 generations on the torus, write the
// .lxm back.
void BM_RunCommand(benchmark::State& state) {
  Soup soup;
  const std::string in = benchPath("soup.lxm");
  const std::string out = benchPath("soup-2000.lxm");
  orvalis::test::saveAs(FormatId::LifeXml, in, soup.settings, soup.field.cells);
  timeProgram(state,
              {ORVALIS_CLI_PATH, "run", in, out, "--generations", std::to_string(runGenerations)},
              runCommandTimes);
  std::filesystem::remove(in);
  std::filesystem::remove(out);
}
BENCHMARK(BM_RunCommand)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

// Golly's QuickLife on the same torus, for comparison when bgolly is there.
void BM_BgollyQuickLife(benchmark::State& state) {
  const Soup soup;
  const std::string rle = benchPath("soup.rle");
  std::ofstream(rle) << soupRle(soup);
  ProgramTimes bgolly;
  timeProgram(state,
              {"bgolly", "-a", "QuickLife", "-m", std::to_string(runGenerations), "-q", "-q", rle},
              bgolly);
  std::filesystem::remove(rle);
  if (bgolly.wall > 0 && runCommandTimes.wall > 0) {
    state.counters["run_share_wall"] = runCommandTimes.wall / bgolly.wall;
    state.counters["run_share_processor"] = runCommandTimes.processor / bgolly.processor;
  }
}
BENCHMARK(BM_BgollyQuickLife)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvalis

BENCHMARK_MAIN();
