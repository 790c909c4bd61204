#include "screen/Presentation.h"

#include "engine/FieldCommands.h"
#include "engine/GenerationStep.h"
#include "engine/Population.h"
#include "screen/FieldPicture.h"
#include "screen/ScanCodes.h"
#include "screen/ScreenLayer.h"
#include "screen/ScreenLayout.h"
#include "settings/GadgetTable.h"
#include "settings/Text.h"
#include "view/FieldLayout.h"
#include "view/FieldView.h"

namespace orvalis {
namespace {

// The settings as they stand when the presentation starts.
struct PresentationSettings {
  FieldSize size;
  bool wrapEdges = false;
  long long stepInterval = 0;  // milliseconds; any number the field's text holds
  int fillPercent = 1;

  StepSettings step() const { return {size, wrapEdges}; }
};

PresentationSettings readSettings(GadgetAccess& settings) {
  PresentationSettings values;
  values.size = visibleFieldSize(settings);
  values.wrapEdges = settings.gadgetValue(GadgetId::InfiniteCheck) != 0;
  values.stepInterval = numberValue(settings.gadgetText(GadgetId::IntervalSpin));
  values.fillPercent = spinRange(GadgetId::RandomPercentSpin)
                           ->clamp(settings.gadgetValue(GadgetId::RandomPercentSpin));
  return values;
}

// Generations follow one another while running and continuous; a single
// step asked for with Space happens once.
struct RunState {
  bool running = true;
  bool continuous = true;
  bool stepRequested = false;

  bool wantsGeneration() const { return running && (continuous || stepRequested); }
};

// Unlike "Zufall", a cell drawn twice is simply set again, so fewer cells
// than asked for may live. The comment stays as it is.
void scatterCells(LifeField& field, const PresentationSettings& settings, Random& random) {
  const FieldSize size = settings.size;
  clearField(field.cells, size);
  const long long count =
      static_cast<long long>(size.columns) * size.rows * settings.fillPercent / 100;
  for (long long placed = 0; placed < count; ++placed) {
    const int x = random.draw(size.columns - 1);
    const int y = random.draw(size.rows - 1);
    Cell& cell = field.cells.at(x, y);
    cell.state = cell.remembered = CellState::Alive;
  }
  restartGenerations(field, size);
}

// The remembered field with no marks. The presentation's own changes never
// count as edits, so the flag keeps its value.
void restoreWithoutEdit(LifeField& field, FieldSize size) {
  const bool edited = field.fieldEdited;
  restoreRemembered(field, size);
  field.fieldEdited = edited;
}

// The keys in their fixed order, so that C let go together with Space wins.
void answerKeys(ScreenLayer& screen, RunState& state, LifeField& field,
                const PresentationSettings& settings, Random& random) {
  if (screen.keyReleased(scanCode::p)) {
    state.running = !state.running;
  }
  if (screen.keyReleased(scanCode::enter)) {
    restoreWithoutEdit(field, settings.size);
  }
  if (screen.keyReleased(scanCode::space)) {
    state = {.running = true, .continuous = false, .stepRequested = true};
  }
  if (screen.keyReleased(scanCode::c)) {
    state = {.running = true, .continuous = true, .stepRequested = false};
  }
  if (screen.keyReleased(scanCode::r)) {
    scatterCells(field, settings, random);
  }
}

// The positions the field view gives the cells, from its cell and client size.
void restoreViewPositions(CellGrid& grid, const FieldView& view, FieldSize size) {
  const QSize cell = view.queryCellSize();
  const QSize client = view.queryClientSize();
  const FieldLayout layout{
      .columns = size.columns,
      .rows = size.rows,
      .cellWidth = cell.width(),
      .cellHeight = cell.height(),
      .offsetX = (client.width() - cell.width() * size.columns) / 2,
      .offsetY = (client.height() - cell.height() * size.rows) / 2,
      .clientWidth = client.width(),
      .clientHeight = client.height(),
  };
  writeCellPositions(grid, layout);
}

}  // namespace

void runPresentation(LifeField& field, GadgetAccess& settings, FieldView& view, ScreenLayer& screen,
                     Random& random) {
  const PresentationSettings values = readSettings(settings);
  long long lastStepTime = screen.tickCount();
  RunState state;
  const QSize screenSize = screen.primaryScreenSize();
  const ScreenLayout layout = screenLayout(screenSize.width(), screenSize.height(), values.size);
  writeScreenPositions(field.cells, layout);
  // Without full screen the presentation runs in a window all the same.
  screen.enterFullScreen(screenSize.width(), screenSize.height(), 32, QStringLiteral("LifeScreen"));

  do {
    while (screen.processWindowEvents()) {
    }
    drawPresentationFrame(screen, field.cells, layout,
                          settings.gadgetValue(GadgetId::GridCheck) != 0);
    // Strictly after the interval, compared as a difference, which cannot
    // overflow whatever number the interval's text holds.
    const long long now = screen.tickCount();
    if (state.wantsGeneration() && now - lastStepTime > values.stepInterval) {
      lastStepTime = now;
      state.stepRequested = false;
      // Both phases always; shown with the next frame.
      stepField(field, values.step(), false, nullptr);
    }
    screen.presentFrame();
    screen.pollKeyboard();
    answerKeys(screen, state, field, values, random);
    screen.sleepMilliseconds(1);
  } while (!screen.keyHeld(scanCode::escape));

  screen.leaveFullScreen();
  restoreViewPositions(field.cells, view, values.size);
  // Qt shows a window uncovered from what it last painted, which is the field
  // before the presentation.
  view.invalidateAll();
}

}  // namespace orvalis
