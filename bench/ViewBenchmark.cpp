#include <benchmark/benchmark.h>

#include <QApplication>

#include "engine/FieldCommands.h"
#include "engine/GenerationStep.h"
#include "settings/SettingsRecord.h"
#include "view/FieldView.h"

namespace orvalis {
namespace {

constexpr FieldSize fullField{500, 500};

// The main window with a 500 x 500 field, half of it alive, on a client
// area of 1000 x 1000 pixels: cells of 2 pixels.
struct BusyView {
  explicit BusyView(bool gridLines) : view(field) {
    settings.setGadgetValue(GadgetId::SizeXSpin, fullField.columns);
    settings.setGadgetValue(GadgetId::SizeYSpin, fullField.rows);
    settings.setGadgetValue(GadgetId::GridCheck, gridLines ? 1 : 0);
    settings.setGadgetValue(GadgetId::InfiniteCheck, 1);
    view.attachSettings(settings);
    view.resize(1000, 1000);
    view.setFieldSize(fullField.columns, fullField.rows);
    view.show();
    Random random(42);
    randomFill(field, fullField, 50, random);
    QApplication::processEvents();
  }

  LifeField field;
  SettingsRecord settings;
  FieldView view;
};

void BM_FullRepaint(benchmark::State& state) {
  BusyView busy(state.range(0) != 0);
  for (auto _ : state) {
    busy.view.repaint();
  }
}
BENCHMARK(BM_FullRepaint)->ArgName("grid")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// A running simulation's tick: the step reports its changed cells to the
// view, which then repaints.
void BM_StepAndRepaint(benchmark::State& state) {
  BusyView busy(true);
  const StepSettings settings{fullField, true};
  for (auto _ : state) {
    advanceGeneration(busy.field, settings, &busy.view);
    busy.view.repaint();
  }
}
BENCHMARK(BM_StepAndRepaint)->Unit(benchmark::kMillisecond);

class PaintCounter : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    paints += event->type() == QEvent::Paint;
    return false;
  }
  long long paints = 0;
};

// The same tick through the event loop: the collected area reaches Qt as
// one update and is painted once. The second round of events delivers the
// update request that the first one posted.
void BM_StepAndQueuedPaint(benchmark::State& state) {
  BusyView busy(true);
  PaintCounter counter;
  busy.view.installEventFilter(&counter);
  const StepSettings settings{fullField, true};
  for (auto _ : state) {
    advanceGeneration(busy.field, settings, &busy.view);
    QApplication::processEvents();
    QApplication::processEvents();
  }
  state.counters["paintsPerStep"] =
      static_cast<double>(counter.paints) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_StepAndQueuedPaint)->Unit(benchmark::kMillisecond);

// Moving the pointer over a stopped field repaints two cells' worth.
void BM_HoverRepaint(benchmark::State& state) {
  BusyView busy(true);
  int column = 0;
  for (auto _ : state) {
    column = (column + 1) % fullField.columns;
    const QPoint pointer(busy.view.fieldLayout().cellLeft(column) + 1, 500);
    busy.view.repaint(QRect(pointer, QSize(4, 4)));
  }
}
BENCHMARK(BM_HoverRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvalis
