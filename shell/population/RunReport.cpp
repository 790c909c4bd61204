#include "shell/population/RunReport.h"

#include "settings/GadgetAccess.h"
#include "shell/panel/ControlPanel.h"
#include "shell/population/PopulationWindow.h"

namespace orvalis {

RunReport::RunReport(LifeField& field, ControlPanel& panel, const FieldHistory& history,
                     QWidget& owner, platform::FileDialogs& dialogs,
                     platform::MessageBoxes& messages)
    : field_(field),
      panel_(panel),
      history_(history),
      owner_(owner),
      dialogs_(dialogs),
      messages_(messages) {}

// An edit makes the watch begin again at the next generation, from the field
// as it then shows; until then nothing is known.
void RunReport::recorded(HistoryKind kind) {
  const bool known = watch_.repeat().has_value();
  if (kind == HistoryKind::Edit) {
    watch_.restart();
  } else {
    watch_.follow(field_, fieldStepSettings(panel_.gadgets()));
  }
  const std::optional<Repeat> repeat = watch_.repeat();
  panel_.showRepeat(repeat);
  if (window_ == nullptr) {
    return;
  }
  window_->showRepeat(repeat);
  window_->refresh();
  if (repeat && !known && window_->stopsAtRepeat()) {
    stopSimulation();
  }
}

void RunReport::showWindow() {
  if (window_ == nullptr) {
    window_ = new PopulationWindow(&owner_, history_, dialogs_, messages_);
    window_->showRepeat(watch_.repeat());
  }
  // Showing reads the run; a window already shown follows it anyway.
  window_->show();
  window_->raise();
  window_->activateWindow();
}

// As "&Start" released: the field stays at the generation that repeats.
void RunReport::stopSimulation() {
  GadgetLayer& gadgets = panel_.gadgets();
  if (gadgets.gadgetValue(GadgetId::StartToggle) == 0) {
    return;
  }
  gadgets.setGadgetValue(GadgetId::StartToggle, 0);
  panel_.command(GadgetId::StartToggle, CommandSource::Control);
}

}  // namespace orvalis
