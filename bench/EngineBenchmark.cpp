#include <benchmark/benchmark.h>

#include <chrono>

#include "engine/FieldCommands.h"
#include "engine/GenerationStep.h"
#include "engine/RepeatWatch.h"

namespace orvalis {
namespace {

constexpr FieldSize fullField{500, 500};

void BM_GenerationStep(benchmark::State& state) {
  LifeField field;
  Random random(42);
  randomFill(field, fullField, 50, random);
  const StepSettings settings{fullField, state.range(0) != 0};
  generationStep(field.cells, settings, true, nullptr);
  for (auto _ : state) {
    generationStep(field.cells, settings, false, nullptr);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_GenerationStep)->ArgName("wrap")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// With a sink that counts, the price of reporting every changed cell.
class CountingSink : public InvalidationSink {
 public:
  void invalidateCell(int, int, bool) override { ++count; }
  void invalidateAll() override {}
  long long count = 0;
};

void BM_GenerationStepWithInvalidations(benchmark::State& state) {
  LifeField field;
  Random random(42);
  randomFill(field, fullField, 50, random);
  CountingSink sink;
  const StepSettings settings{fullField, true};
  for (auto _ : state) {
    generationStep(field.cells, settings, false, &sink);
  }
  benchmark::DoNotOptimize(sink.count);
}
BENCHMARK(BM_GenerationStepWithInvalidations)->Unit(benchmark::kMicrosecond);

// Watching a run for its repeat, timed alone, and its share of the
// generation step it follows, both on the first 2000 generations of a soup,
// long before it repeats (after that the watch has nothing left to do).
void BM_RepeatWatchFollow(benchmark::State& state) {
  using Clock = std::chrono::steady_clock;
  LifeField field;
  Random random(42);
  randomFill(field, fullField, 50, random);
  field.fieldEdited = true;
  const StepSettings settings{fullField, state.range(0) != 0};
  RepeatWatch watch;
  advanceGeneration(field, settings, nullptr);
  watch.follow(field, settings);
  Clock::duration stepping{};
  Clock::duration watching{};
  for (auto _ : state) {
    const auto start = Clock::now();
    advanceGeneration(field, settings, nullptr);
    const auto stepped = Clock::now();
    benchmark::DoNotOptimize(watch.follow(field, settings));
    const auto watched = Clock::now();
    stepping += stepped - start;
    watching += watched - stepped;
    state.SetIterationTime(std::chrono::duration<double>(watched - stepped).count());
  }
  state.counters["percentOfStep"] =
      100.0 * static_cast<double>(watching.count()) / static_cast<double>(stepping.count());
}
BENCHMARK(BM_RepeatWatchFollow)
    ->ArgName("wrap")
    ->Arg(1)
    ->Arg(0)
    ->UseManualTime()
    ->Iterations(2000)
    ->Unit(benchmark::kMicrosecond);

void BM_RandomFill(benchmark::State& state) {
  LifeField field;
  Random random(42);
  for (auto _ : state) {
    randomFill(field, fullField, static_cast<int>(state.range(0)), random);
  }
}
BENCHMARK(BM_RandomFill)->ArgName("percent")->Arg(50)->Arg(100)->Unit(benchmark::kMicrosecond);

void BM_Shift(benchmark::State& state) {
  LifeField field;
  Random random(42);
  randomFill(field, fullField, 50, random);
  const auto direction = static_cast<ShiftDirection>(state.range(0));
  for (auto _ : state) {
    shiftField(field, fullField, direction, true);
  }
}
BENCHMARK(BM_Shift)->ArgName("direction")->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void BM_RememberRestoreClear(benchmark::State& state) {
  LifeField field;
  for (auto _ : state) {
    rememberField(field, fullField);
    restoreRemembered(field, fullField);
    clearAll(field.cells);
  }
}
BENCHMARK(BM_RememberRestoreClear)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvalis

BENCHMARK_MAIN();
