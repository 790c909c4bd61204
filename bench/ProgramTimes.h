#pragma once

#include <benchmark/benchmark.h>

#include <optional>
#include <string>
#include <vector>

namespace orvalis {

struct ProgramTimes {
  double wall = 0;
  double processor = 0;   // user and system time: what a busy machine does not inflate
  double peakMemory = 0;  // the largest resident set, in bytes
};

// The times of a program run to its end, its output discarded; nothing when
// it cannot be started or fails.
std::optional<ProgramTimes> programTimes(const std::vector<std::string>& command);

// Runs the program once per iteration of `state` and gives the medians in
// `median` (left as it is when the program cannot be run: the benchmark is
// then skipped with the reason). With a `baseline` command, such as the same
// program on a tiny file, that runs before each run too and the figures are
// what the program needs beyond it: start-up subtracted.
void timeProgram(benchmark::State& state, const std::vector<std::string>& command,
                 ProgramTimes& median, const std::vector<std::string>& baseline = {});

}  // namespace orvalis
