#pragma once

#include <string>
#include <vector>

#include "engine/CellGrid.h"
#include "engine/Gadgets.h"
#include "files/FileFormats.h"
#include "files/lifexml/LifeXmlApply.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"

class QWidget;

namespace orvalis {

class FieldView;

// "S&peichern", "La&den" and the settings file read at start-up. Between
// commands they keep the path of the last dialog, which the next dialog of
// either command proposes, and the file type last chosen for loading.
class FileCommands {
 public:
  FileCommands(LifeField& field, GadgetAccess& gadgets, FieldView& view,
               platform::FileDialogs& dialogs, platform::MessageBoxes& messages);

  // Asks for a path and saves the pattern in the format of the chosen file
  // type, or a picture of the field, asking first before an existing file
  // is replaced.
  void saveCommand();
  // Asks for a path and reads it as the chosen file type says: a Life file,
  // a LifeXML file, a picture to import, an RLE or a plaintext file.
  void loadCommand();
  // Reads `path` as the load dialog's file type `filterIndex` would, and
  // keeps path and file type for the next dialogs as the load command does.
  void loadFile(const std::string& path, int filterIndex);
  // Opens a file named on the command line or dropped onto a window: as the
  // file type its extension selects, else as its content shows; a file of
  // neither kind is refused with a message.
  void openFile(const std::string& path);
  // Takes the settings (never the cells, comment or date) of Default.lxm in
  // the current folder, when there is one.
  void readSettingsAtStartup();

 private:
  platform::FileDialogRequest dialogRequest(const char* title,
                                            std::vector<platform::FileFilter> filters,
                                            int filterIndex) const;
  void savePicture();
  // Reads `path` as it stands in `format`, which the load dialog lists at
  // `filterIndex`.
  void loadAs(const FileFormat& format, const std::string& path, int filterIndex);
  void applyDocument(const XmlDocument& document, ApplyMode mode, const std::string& path);
  void showLoadedField();
  MessageAnswer tell(const UserMessage& message);

  LifeField& field_;
  GadgetAccess& gadgets_;
  FieldView& view_;
  platform::FileDialogs& dialogs_;
  platform::MessageBoxes& messages_;
  std::string lastFilePath_;  // empty after a cancelled dialog
  int loadFilterIndex_;
};

}  // namespace orvalis
