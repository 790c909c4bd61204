#include "shell/driver/SimulationDriver.h"

#include <QAbstractButton>
#include <utility>

#include "engine/GenerationStep.h"
#include "settings/Text.h"
#include "shell/panel/ControlPanel.h"
#include "view/FieldView.h"

namespace orvalis {
namespace {

// Where "Schritt" sits on the panel and on the step window.
constexpr QPoint panelPlace{112, 2};
constexpr QPoint stepWindowPlace{0, 0};

QAbstractButton& stepButtonOf(ControlPanel& panel) {
  return *static_cast<QAbstractButton*>(panel.gadgets().gadgetHandle(GadgetId::StepButton));
}

}  // namespace

SimulationDriver::SimulationDriver(ControlPanel& panel, QWidget& stepWindow, FieldView& fieldView,
                                   LifeField& field)
    : panel_(panel),
      stepWindow_(stepWindow),
      fieldView_(fieldView),
      field_(field),
      simulationTimer_([this] { tick(); }),
      stepRepeat_(
          stepButtonOf(panel), panel.gadgets(),
          [this] { panel_.command(GadgetId::StepButton, CommandSource::Control); },
          makeQtRepeatTimer) {
  // The main window stays the active one while "Schritt" is used alone.
  stepWindow_.setWindowFlag(Qt::WindowDoesNotAcceptFocus);
  stepWindow_.setAttribute(Qt::WA_ShowWithoutActivating);
}

void SimulationDriver::startOrStop() {
  GadgetLayer& gadgets = panel_.gadgets();
  if (gadgets.gadgetValue(GadgetId::StartToggle) != 0) {
    gadgets.enableGadget(GadgetId::ScreenButton, false);
    if (gadgets.gadgetValue(GadgetId::HideCheck) != 0) {
      hidePanel();
    }
    firstTick_ = true;
    simulationTimer_.start(numberValue(gadgets.gadgetText(GadgetId::IntervalSpin)));
  } else {
    // Stopping never shows a hidden panel; only the restore does.
    simulationTimer_.stop();
    gadgets.enableGadget(GadgetId::ScreenButton, true);
  }
  // The hover frame shows only while the simulation is stopped.
  fieldView_.invalidateAll();
}

void SimulationDriver::tick() {
  advance();
  if (tickHandler_) {
    tickHandler_(std::exchange(firstTick_, false));
  }
}

void SimulationDriver::step() {
  if (panel_.gadgets().gadgetValue(GadgetId::HideCheck) != 0 &&
      stepButton().parentWidget() != &stepWindow_) {
    stepRepeat_.endPress();
    // The button stays where it was on the screen, under the pointer.
    const QPoint buttonOnScreen = stepButton().mapToGlobal(QPoint());
    placeStepButton(stepWindow_, stepWindowPlace);
    stepWindow_.setGeometry(QRect(buttonOnScreen, stepWindow_.size()));
    stepWindow_.show();
    hidePanel();
  }
  advance();
}

void SimulationDriver::restore() {
  placeStepButton(panel_, panelPlace);
  stepWindow_.hide();
  // A panel that the user minimised comes back as well.
  panel_.showNormal();
  panel_.gadgets().setGadgetValue(GadgetId::StartToggle, 0);
  panel_.command(GadgetId::StartToggle, CommandSource::Control);
}

// Without an active window the Ctrl keys would reach no window at all.
void SimulationDriver::hidePanel() {
  panel_.hide();
  fieldView_.activateWindow();
}

// Every tick and every step follow the same protocol, with the settings as
// the panel shows them now.
void SimulationDriver::advance() {
  advanceGeneration(field_, fieldStepSettings(panel_.gadgets()), &fieldView_);
  panel_.showFieldStatus();
}

QWidget& SimulationDriver::stepButton() const {
  return stepButtonOf(panel_);
}

void SimulationDriver::placeStepButton(QWidget& window, QPoint place) {
  QWidget& button = stepButton();
  if (button.parentWidget() != &window) {
    button.setParent(&window);
  }
  panel_.gadgets().moveGadget(GadgetId::StepButton, place.x(), place.y());
  button.show();
}

}  // namespace orvalis
