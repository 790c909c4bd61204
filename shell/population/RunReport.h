#pragma once

#include "engine/FieldHistory.h"
#include "engine/RepeatWatch.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"

class QWidget;

namespace orvalis {

class ControlPanel;
class PopulationWindow;

// What the program tells about the run it shows: the repeat in the status
// line and the population window, which follows the run live, and the stop
// of the simulation at the repeat when that window asks for it.
class RunReport {
 public:
  RunReport(LifeField& field, ControlPanel& panel, const FieldHistory& history, QWidget& owner,
            platform::FileDialogs& dialogs, platform::MessageBoxes& messages);

  // After every change that went into the history.
  void recorded(HistoryKind kind);
  // The population window, made when first shown.
  void showWindow();

  const RepeatWatch& watch() const { return watch_; }
  PopulationWindow* window() const { return window_; }

 private:
  void stopSimulation();

  LifeField& field_;
  ControlPanel& panel_;
  const FieldHistory& history_;
  QWidget& owner_;
  platform::FileDialogs& dialogs_;
  platform::MessageBoxes& messages_;
  RepeatWatch watch_;
  PopulationWindow* window_ = nullptr;  // owned by the main window
};

}  // namespace orvalis
