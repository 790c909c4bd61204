// LifeXML at 500 x 500, half alive, side by side with expat's own checker
// xmlwf on the same files when it is installed: reading in the written
// layout and re-indented (as orvalis-cli info and in-process), the memory
// a read needs beyond a 3 x 3 file, and writing. Times are processor times,
// which a busy machine inflates least; the *_share counters set them against
// xmlwf's, and extra memory against the file size.
#include <benchmark/benchmark.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/BenchPath.h"
#include "bench/ProgramTimes.h"
#include "engine/FieldCommands.h"
#include "engine/Random.h"
#include "files/lifexml/LifeXmlDocument.h"
#include "files/lifexml/LifeXmlReader.h"
#include "files/lifexml/LifeXmlWriter.h"
#include "settings/SettingsRecord.h"
#include "tests/support/DocumentFiles.h"

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
    orvalis::test::saveAs(FormatId::LifeXml, small, tiny.settings, tiny.field.cells);
    Pattern full({500, 500});
    std::string text = lifeXmlText(fieldDocument(full.settings, full.field.cells));
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

// xmlwf on a file, start-up subtracted: the reference that each benchmark
// measures by turns with its own work, so that a change in the machine's
// load strikes both alike. Left out where xmlwf is not installed.
class XmlwfReference {
 public:
  explicit XmlwfReference(const std::string& path) : path_(path) {}

  void measure() {
    if (const auto times = extraTimes({"xmlwf", path_}, {"xmlwf", files().small})) {
      series_.add(*times);
    }
  }

  // `processor` seconds against xmlwf's as the counter `share`, with
  // xmlwf's own figures.
  void report(benchmark::State& state, const char* share, double processor) const {
    if (series_.empty()) {
      return;
    }
    const ProgramTimes xmlwf = series_.median();
    state.counters["xmlwf_processor_ms"] = xmlwf.processor * 1000;
    state.counters["xmlwf_extra_memory_mb"] = xmlwf.peakMemory / 1e6;
    state.counters[share] = processor / xmlwf.processor;
  }

 private:
  std::string path_;
  TimesSeries series_;
};

void bothLayouts(benchmark::internal::Benchmark* benchmark) {
  benchmark->ArgName("reindented")->Arg(Written)->Arg(Reindented);
}

// The manual time is the processor time of what is measured.
void measuredByTurns(benchmark::internal::Benchmark* benchmark) {
  benchmark->UseManualTime()->Iterations(11)->Unit(benchmark::kMillisecond);
}

// orvalis-cli info on the file, as the user waits for it.
void BM_CliInfo(benchmark::State& state) {
  const std::string& path = files().layouts[state.range(0)];
  XmlwfReference xmlwf(path);
  TimesSeries info;
  for (auto _ : state) {
    xmlwf.measure();
    const auto times =
        extraTimes({ORVALIS_CLI_PATH, "info", path}, {ORVALIS_CLI_PATH, "info", files().small});
    if (!times) {
      state.SkipWithError("cannot run orvalis-cli");
      return;
    }
    info.add(*times);
    state.SetIterationTime(times->processor);
  }
  const ProgramTimes median = info.median();
  state.counters["extra_memory_mb"] = median.peakMemory / 1e6;
  state.counters["memory_share"] =
      median.peakMemory / static_cast<double>(std::filesystem::file_size(path));
  xmlwf.report(state, "read_share", median.processor);
}
BENCHMARK(BM_CliInfo)->Apply(bothLayouts)->Apply(measuredByTurns);

// Reading and applying the file in this process, as the load command does.
void BM_ReadLifeXml(benchmark::State& state) {
  const std::string& path = files().layouts[state.range(0)];
  XmlwfReference xmlwf(path);
  SettingsRecord settings;
  CellGrid grid;
  std::vector<double> processors;
  for (auto _ : state) {
    xmlwf.measure();
    const double start = processorSeconds();
    benchmark::DoNotOptimize(orvalis::test::loadInto(FormatId::LifeXml, path, settings, grid));
    processors.push_back(processorSeconds() - start);
    state.SetIterationTime(processors.back());
  }
  xmlwf.report(state, "read_share", median(processors));
}
BENCHMARK(BM_ReadLifeXml)->Apply(bothLayouts)->Apply(measuredByTurns);

// Writing the file as the save command does, against xmlwf reading it.
void BM_WriteLifeXml(benchmark::State& state) {
  Pattern pattern({500, 500});
  const std::string path = benchPath("geschrieben.lxm");
  XmlwfReference xmlwf(files().layouts[Written]);
  std::vector<double> processors;
  for (auto _ : state) {
    xmlwf.measure();
    const double start = processorSeconds();
    benchmark::DoNotOptimize(
        orvalis::test::saveAs(FormatId::LifeXml, path, pattern.settings, pattern.field.cells));
    processors.push_back(processorSeconds() - start);
    state.SetIterationTime(processors.back());
  }
  xmlwf.report(state, "write_share", median(processors));
  std::filesystem::remove(path);
}
BENCHMARK(BM_WriteLifeXml)->Apply(measuredByTurns);

}  // namespace
}  // namespace orvalis

BENCHMARK_MAIN();
