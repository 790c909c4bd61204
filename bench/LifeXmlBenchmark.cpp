// LifeXML at 500 x 500, half alive, side by side with expat's own checker
// xmlwf on the same files when it is installed: reading in the written
// layout and re-indented (as orvalis-cli info and in-process), the memory
// a read needs beyond a 3 x 3 file, and writing. The *_share counters are
// processor times against xmlwf's and extra memory against the file size.
#include <benchmark/benchmark.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/BenchPath.h"
#include "bench/ProgramTimes.h"
#include "engine/FieldCommands.h"
#include "engine/Random.h"
#include "engine/SettingsRecord.h"
#include "files/lifexml/LifeXmlApply.h"
#include "files/lifexml/LifeXmlReader.h"
#include "files/lifexml/LifeXmlWriter.h"

namespace orvalis {
namespace {

struct Pattern {
  SettingsRecord settings;
  LifeField field;

  explicit Pattern(FieldSize size) {
    settings.setGadgetValue(GadgetId::SizeXSpin, size.columns);
    settings.setGadgetValue(GadgetId::SizeYSpin, size.rows);
    settings.setGadgetText(GadgetId::CommentEditor, "Zufall\r\nhalb voll");
    Random random(42);
    randomFill(field, size, 50, random);
  }
};

// The same document with LF line breaks and a tab for every two spaces of
// indentation: the cell lines then go through the parser's events.
std::string reindented(const std::string& text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, "\r\n") != 0) {
      result += text[i];
      continue;
    }
    result += '\n';
    std::size_t spaces = 0;
    while (i + 2 + spaces < text.size() && text[i + 2 + spaces] == ' ') {
      ++spaces;
    }
    result.append(spaces / 2, '\t');
    i += 1 + spaces;
  }
  return result;
}

enum Layout { Written, Reindented };

struct Files {
  std::string small = benchPath("3x3.lxm");
  std::string layouts[2] = {benchPath("voll.lxm"), benchPath("voll-eingerueckt.lxm")};

  Files() {
    Pattern tiny({3, 3});
    writeLifeXml(small, tiny.settings, tiny.field.cells);
    Pattern full({500, 500});
    std::string text = lifeXmlText(full.settings, full.field.cells);
    std::ofstream(layouts[Written], std::ios::binary) << text;
    std::ofstream(layouts[Reindented], std::ios::binary) << reindented(text);
  }
  ~Files() {
    std::filesystem::remove(small);
    for (const std::string& path : layouts) {
      std::filesystem::remove(path);
    }
  }
};

const Files& files() {
  static const Files made;
  return made;
}

double processorSeconds() {
  timespec time{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &time);
  return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_nsec) / 1e9;
}

ProgramTimes xmlwfTimes[2];

void setShare(benchmark::State& state, const char* name, double processor, Layout layout) {
  if (xmlwfTimes[layout].processor > 0) {
    state.counters[name] = processor / xmlwfTimes[layout].processor;
  }
}

void bothLayouts(benchmark::internal::Benchmark* benchmark) {
  benchmark->ArgName("reindented")->Arg(Written)->Arg(Reindented)->Unit(benchmark::kMillisecond);
}

void programRuns(benchmark::internal::Benchmark* benchmark) {
  bothLayouts(benchmark);
  benchmark->UseManualTime()->Iterations(9);
}

void BM_Xmlwf(benchmark::State& state) {
  const auto layout = static_cast<Layout>(state.range(0));
  timeProgram(state, {"xmlwf", files().layouts[layout]}, xmlwfTimes[layout],
              {"xmlwf", files().small});
  state.counters["extra_memory_mb"] = xmlwfTimes[layout].peakMemory / 1e6;
}
BENCHMARK(BM_Xmlwf)->Apply(programRuns);

void BM_CliInfo(benchmark::State& state) {
  const auto layout = static_cast<Layout>(state.range(0));
  const std::string& path = files().layouts[layout];
  ProgramTimes info;
  timeProgram(state, {ORVALIS_CLI_PATH, "info", path}, info,
              {ORVALIS_CLI_PATH, "info", files().small});
  state.counters["extra_memory_mb"] = info.peakMemory / 1e6;
  state.counters["memory_share"] =
      info.peakMemory / static_cast<double>(std::filesystem::file_size(path));
  setShare(state, "read_share", info.processor, layout);
}
BENCHMARK(BM_CliInfo)->Apply(programRuns);

void BM_ReadLifeXml(benchmark::State& state) {
  const auto layout = static_cast<Layout>(state.range(0));
  const std::string& path = files().layouts[layout];
  SettingsRecord settings;
  CellGrid grid;
  const double start = processorSeconds();
  for (auto _ : state) {
    const auto document = readLifeXml(path);
    benchmark::DoNotOptimize(applyLifeXml(*document, ApplyMode::Full, path, settings, grid));
  }
  setShare(state, "read_share",
           (processorSeconds() - start) / static_cast<double>(state.iterations()), layout);
}
BENCHMARK(BM_ReadLifeXml)->Apply(bothLayouts);

void BM_WriteLifeXml(benchmark::State& state) {
  Pattern pattern({500, 500});
  const std::string path = benchPath("geschrieben.lxm");
  const double start = processorSeconds();
  for (auto _ : state) {
    benchmark::DoNotOptimize(writeLifeXml(path, pattern.settings, pattern.field.cells));
  }
  setShare(state, "write_share",
           (processorSeconds() - start) / static_cast<double>(state.iterations()), Written);
  std::filesystem::remove(path);
}
BENCHMARK(BM_WriteLifeXml)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvalis

BENCHMARK_MAIN();
