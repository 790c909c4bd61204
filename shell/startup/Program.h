#pragma once

#include <memory>
#include <string>

#include "engine/CellGrid.h"
#include "engine/Random.h"
#include "platform/DesktopServices.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "shell/startup/Accelerators.h"

namespace orvalis {

class ControlPanel;
class FieldView;
class SimulationDriver;
class FileCommands;
class FileDropFilter;
class EditingKeyFilter;
class FieldEditing;
class RunReport;
class ToolWindow;

// The whole program: the field, the three windows and the keyboard
// commands, created in start-up order and living for the whole run. The
// settings file Default.lxm of the current folder is applied last, before
// any window is shown.
class Program {
 public:
  // The desktop's services default to the real ones; tests hand in fakes.
  explicit Program(platform::MessageBoxes& messages,
                   platform::DesktopServices& desktop = platform::systemDesktop(),
                   platform::FileDialogs& fileDialogs = platform::systemFileDialogs());
  ~Program();

  // Places the windows, shows the main window, then the panel, so that the
  // panel is active.
  void show();

  // Opens a file given on the command line or dropped onto a window, as the
  // load command reads the file type that its extension or content shows.
  void openFile(const std::string& path);

  LifeField& field() { return field_; }
  FieldView& mainWindow() { return *mainWindow_; }
  ControlPanel& controlPanel() { return *controlPanel_; }
  ToolWindow& stepWindow() { return *stepWindow_; }
  AcceleratorFilter& accelerators() { return *accelerators_; }
  SimulationDriver& driver() { return *driver_; }
  FieldEditing& editing() { return *editing_; }
  EditingKeyFilter& editingKeys() { return *editingKeys_; }
  RunReport& runReport() { return *runReport_; }

 private:
  platform::MessageBoxes& messages_;
  LifeField field_;
  Random random_;
  std::unique_ptr<FieldView> mainWindow_;
  ControlPanel* controlPanel_ = nullptr;  // owned by the main window
  ToolWindow* stepWindow_ = nullptr;      // owned by the main window
  std::unique_ptr<AcceleratorFilter> accelerators_;
  std::unique_ptr<SimulationDriver> driver_;
  std::unique_ptr<FileCommands> fileCommands_;
  std::unique_ptr<FileDropFilter> fileDrops_;
  std::unique_ptr<FieldEditing> editing_;
  std::unique_ptr<EditingKeyFilter> editingKeys_;
  std::unique_ptr<RunReport> runReport_;
};

// Start-up and the event loop, opening `file` (when not empty) once the
// windows are shown; the exit code is always 0.
int runProgram(const std::string& file);

}  // namespace orvalis
