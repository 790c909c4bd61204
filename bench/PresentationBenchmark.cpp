#include <benchmark/benchmark.h>

#include "engine/FieldCommands.h"
#include "engine/GenerationStep.h"
#include "screen/FieldPicture.h"
#include "screen/HeadlessScreenLayer.h"
#include "screen/ScreenLayout.h"

namespace orvalis {
namespace {

constexpr FieldSize fullField{500, 500};

// A 500 x 500 field, half alive, laid out on a 1920 x 1080 screen.
struct PresentationScene {
  LifeField field;
  HeadlessScreenLayer screen{QSize(1920, 1080)};
  ScreenLayout layout = screenLayout(1920, 1080, fullField);

  PresentationScene() {
    Random random(42);
    randomFill(field, fullField, 50, random);
    generationStep(field.cells, {fullField, true}, true, nullptr);
    writeScreenPositions(field.cells, layout);
    screen.enterFullScreen(1920, 1080, 32, "LifeScreen");
  }
};

// What one frame of the presentation costs besides waiting for the display:
// the full redraw, one generation and the exchange of the buffers.
void BM_PresentationFrame(benchmark::State& state) {
  PresentationScene scene;
  const bool gridLines = state.range(0) != 0;
  for (auto _ : state) {
    drawPresentationFrame(scene.screen, scene.field.cells, scene.layout, gridLines);
    generationStep(scene.field.cells, {fullField, true}, false, nullptr);
    scene.screen.presentFrame();
  }
}
BENCHMARK(BM_PresentationFrame)->ArgName("grid")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The redraw alone of a field that stays half alive, as after a random fill
// (a running field thins out within a few hundred generations).
void BM_PresentationRedraw(benchmark::State& state) {
  PresentationScene scene;
  for (auto _ : state) {
    drawPresentationFrame(scene.screen, scene.field.cells, scene.layout, true);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PresentationRedraw)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvalis

BENCHMARK_MAIN();
