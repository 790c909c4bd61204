#pragma once

#include <QPoint>
#include <functional>
#include <optional>

#include "engine/CellGrid.h"
#include "shell/driver/RepeatTimer.h"
#include "shell/driver/StepButtonRepeat.h"

class QWidget;

namespace orvalis {

class ControlPanel;
class FieldView;

// Decides when the field advances: on the ticks of the simulation timer
// while "&Start" is pressed in, once for each "Schritt", and repeatedly
// while "Schritt" is held. With "&Hide" checked it gets the panel out of the
// way: a start hides it, a step moves "Schritt" alone into the step window;
// the restore brings everything back and stops the simulation.
class SimulationDriver {
 public:
  SimulationDriver(ControlPanel& panel, QWidget& stepWindow, FieldView& fieldView,
                   LifeField& field);

  // "&Start": starts or stops as the toggle now says. The interval is the
  // number at the start of the interval field's text, whatever its value.
  void startOrStop();
  // A tick of the simulation timer: one generation.
  void tick();
  // "Schritt": one generation; first, with "&Hide" checked and the button
  // on the panel, the button moves into the step window and the panel hides.
  void step();
  // A middle click or Ctrl+0 with "&Hide" checked: the button back on the
  // panel, the step window hidden, the panel shown, the simulation stopped.
  void restore();

  // Told after the generation of every tick; `startsRun` for the first one
  // after a start.
  void setTickHandler(std::function<void(bool startsRun)> handler) {
    tickHandler_ = std::move(handler);
  }

  // The interval the simulation ticks at, or nothing while it does not tick.
  std::optional<int> simulationInterval() const { return simulationTimer_.interval(); }

 private:
  void advance();
  void hidePanel();
  QWidget& stepButton() const;
  void placeStepButton(QWidget& window, QPoint place);

  ControlPanel& panel_;
  QWidget& stepWindow_;
  FieldView& fieldView_;
  LifeField& field_;
  QtRepeatTimer simulationTimer_;
  StepButtonRepeat stepRepeat_;
  std::function<void(bool)> tickHandler_;
  bool firstTick_ = false;
};

}  // namespace orvalis
