#include "bench/ProgramTimes.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "bench/BenchPath.h"

extern char** environ;

namespace orvalis {

std::optional<ProgramTimes> programTimes(const std::vector<std::string>& command) {
  const std::string peakFile = benchPath("peak-memory");
  std::vector<std::string> launched{ORVALIS_PEAK_MEMORY_PATH, peakFile};
  launched.insert(launched.end(), command.begin(), command.end());
  std::vector<char*> argv;
  for (const std::string& arg : launched) {
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
  double peakMemory = 0;
  std::ifstream(peakFile) >> peakMemory;
  std::filesystem::remove(peakFile);
  return ProgramTimes{
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
      seconds(usage.ru_utime) + seconds(usage.ru_stime), peakMemory};
}

std::optional<ProgramTimes> extraTimes(const std::vector<std::string>& command,
                                       const std::vector<std::string>& baseline) {
  const auto base = programTimes(baseline);
  auto times = programTimes(command);
  if (!base || !times) {
    return std::nullopt;
  }
  times->wall -= base->wall;
  times->processor -= base->processor;
  times->peakMemory -= base->peakMemory;
  return times;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void TimesSeries::add(const ProgramTimes& times) {
  walls_.push_back(times.wall);
  processors_.push_back(times.processor);
  peakMemories_.push_back(times.peakMemory);
}

ProgramTimes TimesSeries::median() const {
  return {orvalis::median(walls_), orvalis::median(processors_), orvalis::median(peakMemories_)};
}

void timeProgram(benchmark::State& state, const std::vector<std::string>& command,
                 ProgramTimes& median) {
  TimesSeries series;
  for (auto _ : state) {
    const auto times = programTimes(command);
    if (!times) {
      state.SkipWithError(("cannot run " + command[0]).c_str());
      return;
    }
    series.add(*times);
    state.SetIterationTime(times->wall);
  }
  median = series.median();
  state.counters["processor_ms"] = median.processor * 1000;
}

}  // namespace orvalis
