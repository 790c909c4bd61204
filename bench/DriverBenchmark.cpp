#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QPainter>
#include <QTimer>

#include "engine/FieldCommands.h"
#include "engine/FieldHistory.h"
#include "shell/driver/SimulationDriver.h"
#include "shell/editing/FieldEditing.h"
#include "shell/panel/ControlPanel.h"
#include "shell/population/PopulationGraph.h"
#include "shell/population/RunReport.h"
#include "shell/startup/Program.h"
#include "tests/support/FakeMessageBoxes.h"
#include "tests/support/GenerationReplay.h"
#include "view/FieldView.h"

namespace orvalis {
namespace {

constexpr FieldSize fullField{500, 500};
constexpr int runMilliseconds = 3000;

void runEventLoop(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

// Counts the main window's paints.
struct PaintCounter : QObject {
  long long paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    paints += event->type() == QEvent::Paint;
    return false;
  }
};

// The whole program running at the shortest interval on a 500 x 500 torus,
// half of it alive, with the field's repaints (cells of 2 pixels, on a
// client area of at least 1000 x 1000), and with the population window
// following the run when asked. The generations made are counted afterwards
// by replaying them headless from a copy of the start.
void BM_RunningAtTenMilliseconds(benchmark::State& state) {
  test::FakeMessageBoxes messages;
  Program program(messages);
  program.show();
  GadgetLayer& gadgets = program.controlPanel().gadgets();
  gadgets.setGadgetValue(GadgetId::SizeXSpin, fullField.columns);
  gadgets.setGadgetValue(GadgetId::SizeYSpin, fullField.rows);
  gadgets.setGadgetValue(GadgetId::GridCheck, state.range(0));
  gadgets.setGadgetValue(GadgetId::InfiniteCheck, 1);
  gadgets.setGadgetText(GadgetId::IntervalSpin, "10");
  program.controlPanel().command(GadgetId::RandomButton, CommandSource::Control);
  if (state.range(1) != 0) {
    program.runReport().showWindow();
  }
  runEventLoop(300);  // shown and painted
  const auto start = test::copyOfField(program.field(), fullField);
  PaintCounter counter;
  program.mainWindow().installEventFilter(&counter);

  double seconds = 0;
  for (auto _ : state) {
    QElapsedTimer clock;
    clock.start();
    program.controlPanel().command(GadgetId::StartToggle, CommandSource::Accelerator);
    runEventLoop(runMilliseconds);
    program.controlPanel().command(GadgetId::StartToggle, CommandSource::Accelerator);
    seconds = static_cast<double>(clock.elapsed()) / 1000.0;
  }
  const auto generations =
      test::stepsBetween(*start, program.field(), {fullField, true}, 2 * runMilliseconds / 10);
  if (!generations) {
    state.SkipWithError("the generations made could not be counted");
    return;
  }
  state.counters["generationsPerSecond"] = *generations / seconds;
  state.counters["paintsPerSecond"] = static_cast<double>(counter.paints) / seconds;
  state.counters["clientWidth"] = program.mainWindow().width();
  // Every generation went into the undo history as well.
  state.counters["historySteps"] = static_cast<double>(program.editing().history().stepCount());
  state.counters["historyMB"] =
      static_cast<double>(program.editing().history().byteCount()) / (1 << 20);
}
BENCHMARK(BM_RunningAtTenMilliseconds)
    ->ArgNames({"grid", "populationWindow"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

// The history of 10,000 generations of a 200 x 200 torus, half of it alive
// at the start, as the program records a run.
const FieldHistory& tenThousandGenerations() {
  static const FieldHistory history = [] {
    constexpr StepSettings torus{{200, 200}, true};
    auto field = std::make_unique<LifeField>();
    Random random(42);
    randomFill(*field, torus.size, 50, random);
    FieldHistory recorded;
    recorded.reset(*field, torus.size);
    for (int call = 0; call <= 10000; ++call) {
      advanceGeneration(*field, torus, nullptr);
      recorded.record(*field, torus.size, HistoryKind::Generation, call == 0);
    }
    return recorded;
  }();
  return history;
}

// The population window's graph of that run in its default size, painted
// alone, and with the records read from the history first as every refresh
// does.
void BM_PopulationGraph(benchmark::State& state) {
  const bool readsHistory = state.range(0) != 0;
  const FieldHistory& history = tenThousandGenerations();
  std::vector<GenerationRecord> records;
  history.runRecords(records);
  QImage image(520, 260, QImage::Format_RGB32);
  for (auto _ : state) {
    if (readsHistory) {
      history.runRecords(records);
    }
    QPainter painter(&image);
    drawPopulationGraph(painter, image.rect(), records);
  }
  state.counters["records"] = static_cast<double>(records.size());
}
BENCHMARK(BM_PopulationGraph)->ArgName("runRecords")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvalis
