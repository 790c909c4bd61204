#pragma once

#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "engine/FieldHistory.h"
#include "engine/RepeatSearch.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"

class QCheckBox;
class QLabel;

namespace orvalis {

// The window "Population": the generations of the run the field shows as a
// graph of living cells, births and deaths, the period of a repeat once one
// is known, whether a run stops at a repeat, and the graph saved as a PNG
// picture or the counts as CSV. A tool window of the main window that
// opens without taking the focus, so keys keep going where they went.
class PopulationWindow : public QWidget {
 public:
  PopulationWindow(QWidget* owner, const FieldHistory& history, platform::FileDialogs& dialogs,
                   platform::MessageBoxes& messages);

  // Reads the run anew from the history and repaints; nothing while the
  // window is hidden, as showing it reads the run anyway. Cheap enough for
  // every generation: the records go into one vector kept for it.
  void refresh();

  // "Periode P ab Generation G" (a still life has period 1); empty without
  // a repeat.
  void showRepeat(std::optional<Repeat> repeat);

  // The check box "Bei Wiederholung anhalten", off at the start.
  bool stopsAtRepeat() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void savePicture();
  void saveCsv();
  // The path the user chose, with `extension` added to a name without one,
  // once anything there may be replaced; empty otherwise.
  std::string askPath(const char* title, platform::FileFilter filter, const char* fileName,
                      const char* extension);

  const FieldHistory& history_;
  platform::FileDialogs& dialogs_;
  platform::MessageBoxes& messages_;
  std::vector<GenerationRecord> records_;
  QWidget* graph_;
  QLabel* period_;
  QCheckBox* stopAtRepeat_;
  std::string lastPath_;  // of the last save, whose folder the dialogs propose
};

}  // namespace orvalis
