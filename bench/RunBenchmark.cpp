#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "engine/BitField.h"
#include "engine/FieldCommands.h"
#include "engine/SettingsRecord.h"
#include "files/lifexml/LifeXmlWriter.h"

extern char** environ;

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

std::string benchPath(const std::string& name) {
  return (std::filesystem::temp_directory_path() /
          ("orvalis-bench-" + std::to_string(::getpid()) + "-" + name))
      .string();
}

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

struct ProgramTimes {
  double wall = 0;
  double processor = 0;  // user and system time: what a busy machine does not inflate
};

// The times of a program run to its end, its output discarded; nothing when
// it cannot be started or fails.
std::optional<ProgramTimes> programTimes(const std::vector<std::string>& command) {
  std::vector<char*> argv;
  for (const std::string& arg : command) {
    argv.push_back(const_cast<char*>(arg.c_str()));
  }
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  const auto start = std::chrono::steady_clock::now();
  pid_t child = 0;
  const int failed = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  rusage usage{};
  if (failed != 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    return std::nullopt;
  }
  const auto seconds = [](const timeval& time) {
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
  };
  return ProgramTimes{
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
      seconds(usage.ru_utime) + seconds(usage.ru_stime)};
}

// The median times of both programs, so that the last benchmark can give
// their ratio.
ProgramTimes runCommandTimes;

void timeProgram(benchmark::State& state, const std::vector<std::string>& command,
                 ProgramTimes& median) {
  std::vector<double> walls;
  std::vector<double> processors;
  for (auto _ : state) {
    const auto times = programTimes(command);
    if (!times) {
      state.SkipWithError(("cannot run " + command[0]).c_str());
      return;
    }
    walls.push_back(times->wall);
    processors.push_back(times->processor);
    state.SetIterationTime(times->wall);
  }
  std::sort(walls.begin(), walls.end());
  std::sort(processors.begin(), processors.end());
  median = {walls[walls.size() / 2], processors[processors.size() / 2]};
  state.counters["processor_ms"] = median.processor * 1000;
}

// orvalis-cli run: read the .lxm, 2000 generations on the torus, write the
// .lxm back.
void BM_RunCommand(benchmark::State& state) {
  Soup soup;
  const std::string in = benchPath("soup.lxm");
  const std::string out = benchPath("soup-2000.lxm");
  writeLifeXml(in, soup.settings, soup.field.cells);
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
