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

// What the program needs beyond the `baseline` command (such as the same
// program on a tiny file) run just before it: start-up subtracted.
std::optional<ProgramTimes> extraTimes(const std::vector<std::string>& command,
                                       const std::vector<std::string>& baseline);

// The middle one of the values, of which there is at least one.
double median(std::vector<double> values);

// The times of many runs, for their medians.
class TimesSeries {
 public:
  void add(const ProgramTimes& times);
  bool empty() const { return walls_.empty(); }
  ProgramTimes median() const;

 private:
  std::vector<double> walls_;
  std::vector<double> processors_;
  std::vector<double> peakMemories_;
};

// Runs the program once per iteration of `state` and gives the medians in
// `median` (left as it is when the program cannot be run: the benchmark is
// then skipped with the reason).
void timeProgram(benchmark::State& state, const std::vector<std::string>& command,
                 ProgramTimes& median);

}  // namespace orvalis
