#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/CellGrid.h"
#include "files/FileFormats.h"
#include "files/PatternDocument.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"

class QWidget;

namespace orvalis {

class FieldView;
class GadgetLayer;

// "S&peichern", "La&den" and the settings file read at start-up. Between
// commands they keep the path of the pattern last saved or loaded, which
// the next dialog of either command proposes (none after a cancelled
// dialog), and the file type last chosen for loading.
class FileCommands {
 public:
  FileCommands(LifeField& field, GadgetLayer& gadgets, FieldView& view,
               platform::FileDialogs& dialogs, platform::MessageBoxes& messages);

  // Asks for a path and saves the pattern in the format of the chosen file
  // type, or a picture of the field, asking first before an existing file
  // is replaced.
  void saveCommand();
  // Asks for a path and reads it in the format of the chosen file type, or
  // in the one its content shows; "Alle Muster" reads it as openFile does.
  void loadCommand();
  // Opens a file named on the command line or dropped onto a window: as the
  // file type its extension selects, else as its content shows; a file of
  // neither kind is refused with a message, as is a picture that cannot be
  // read.
  void openFile(const std::string& path);
  // Takes the settings (never the cells, comment or date) of Default.lxm in
  // the current folder, when there is one.
  void readSettingsAtStartup();

 private:
  static platform::FileDialogRequest dialogRequest(const char* title,
                                                   std::vector<platform::FileFilter> filters,
                                                   int filterIndex, std::string_view proposedPath);
  void savePicture();
  void openAs(const FileFormat& format, const std::string& path, int filterIndex);
  // Reads `path` as it stands in `format`, which the load dialog lists at
  // `filterIndex`, and keeps both for the next dialogs once it is loaded.
  DocumentReading loadAs(const FileFormat& format, const std::string& path, int filterIndex);
  // Puts what was read on the field and tells the user what it says; true
  // when it loaded.
  bool take(const DocumentReading& reading);
  MessageAnswer tell(const UserMessage& message);

  LifeField& field_;
  GadgetLayer& gadgets_;
  FieldView& view_;
  platform::FileDialogs& dialogs_;
  platform::MessageBoxes& messages_;
  std::string lastFilePath_;
  int loadFilterIndex_;
};

}  // namespace orvalis
