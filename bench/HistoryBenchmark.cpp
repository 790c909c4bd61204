#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include "engine/FieldCommands.h"
#include "engine/FieldHistory.h"
#include "engine/GenerationStep.h"

namespace orvalis {
namespace {

constexpr FieldSize fullField{500, 500};
constexpr StepSettings torus{fullField, true};

// A field of the given line of /proc/self/status ("VmHWM:"), in bytes.
double statusBytes(const std::string& key) {
  std::ifstream status("/proc/self/status");
  std::string name;
  double kilobytes = 0;
  while (status >> name) {
    if (name == key) {
      status >> kilobytes;
      return kilobytes * 1024;
    }
    status.ignore(1 << 12, '\n');
  }
  return 0;
}

// Lets the peak resident set start again from the present one, so that a
// benchmark sees only its own growth.
void restartPeakMemory() {
  std::ofstream("/proc/self/clear_refs") << "5\n";
}

// First, so that no memory an earlier benchmark freed hides the growth.
void BM_TenThousandRecordedGenerations(benchmark::State& state) {
  constexpr int generations = 10000;
  for (auto _ : state) {
    state.PauseTiming();
    restartPeakMemory();
    const double peakBefore = statusBytes("VmHWM:");
    LifeField field;
    Random random(42);
    randomFill(field, fullField, 50, random);
    FieldHistory history;
    history.reset(field, fullField);
    state.ResumeTiming();
    for (int generation = 0; generation < generations; ++generation) {
      advanceGeneration(field, torus, nullptr);
      history.record(field, fullField, HistoryKind::Generation, generation == 0);
      if (history.byteCount() > historyByteLimit) {
        state.SkipWithError("the history passed its byte limit");
        return;
      }
    }
    state.counters["history_bytes"] = static_cast<double>(history.byteCount());
    state.counters["steps_kept"] = static_cast<double>(history.stepCount());
    state.counters["peak_rss_growth"] = statusBytes("VmHWM:") - peakBefore;
  }
}
BENCHMARK(BM_TenThousandRecordedGenerations)->Iterations(1)->Unit(benchmark::kSecond);

// One generation of a soup, with and without recording it: a young soup,
// where most cells change, and one that has settled down.
void BM_Generation(benchmark::State& state) {
  const bool recorded = state.range(0) != 0;
  LifeField field;
  Random random(42);
  randomFill(field, fullField, 50, random);
  for (long long generation = 0; generation < state.range(1); ++generation) {
    advanceGeneration(field, torus, nullptr);
  }
  FieldHistory history;
  history.reset(field, fullField);
  for (auto _ : state) {
    advanceGeneration(field, torus, nullptr);
    if (recorded) {
      history.record(field, fullField, HistoryKind::Generation);
    }
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Generation)
    ->ArgNames({"recorded", "age"})
    ->ArgsProduct({{0, 1}, {0, 3000}})
    ->Unit(benchmark::kMicrosecond);

// The floor of every record: the comparison of a field that did not change.
void BM_RecordUnchanged(benchmark::State& state) {
  LifeField field;
  Random random(42);
  randomFill(field, fullField, 50, random);
  FieldHistory history;
  history.reset(field, fullField);
  for (auto _ : state) {
    benchmark::DoNotOptimize(history.record(field, fullField, HistoryKind::Generation));
  }
}
BENCHMARK(BM_RecordUnchanged)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvalis

BENCHMARK_MAIN();
