#include <benchmark/benchmark.h>

#include <memory>

#include "engine/FieldCommands.h"
#include "engine/Random.h"
#include "tools/FieldPictures.h"

namespace orvalis::cli {
namespace {

constexpr FieldSize fullField{500, 500};

// A 500 x 500 torus, half alive, as orvalis-cli has it after loading.
std::unique_ptr<Session> soup() {
  auto session = std::make_unique<Session>();
  session->settings.setGadgetValue(GadgetId::SizeXSpin, fullField.columns);
  session->settings.setGadgetValue(GadgetId::SizeYSpin, fullField.rows);
  session->settings.setGadgetValue(GadgetId::InfiniteCheck, 1);
  Random random(42);
  randomFill(session->field, fullField, 50, random);
  return session;
}

// orvalis-cli animate of 100 generations, counting the file's bytes
// instead of writing them; the range is the cell size.
void BM_AnimateSoup100Generations(benchmark::State& state) {
  const StopRequest stop;
  std::size_t bytes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto session = soup();
    ProgressLine progress(nullptr, 100);
    state.ResumeTiming();
    bytes = 0;
    const auto counted = [&bytes](std::string_view part) {
      bytes += part.size();
      return true;
    };
    benchmark::DoNotOptimize(animateField(
        *session, {{static_cast<int>(state.range(0)), false}, 100, 50}, counted, progress, stop));
  }
  state.counters["bytes"] = static_cast<double>(bytes);
  state.counters["frames"] = 101;
}
BENCHMARK(BM_AnimateSoup100Generations)
    ->Arg(2)
    ->Arg(4)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// orvalis-cli render without the PNG encoding.
void BM_RenderSoup(benchmark::State& state) {
  auto session = soup();
  for (auto _ : state) {
    benchmark::DoNotOptimize(renderPicture(*session, {4, true}, false));
  }
}
BENCHMARK(BM_RenderSoup)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvalis::cli

BENCHMARK_MAIN();
