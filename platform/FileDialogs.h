#pragma once

#include <string>
#include <vector>

class QWidget;

namespace orvalis::platform {

// One entry of a dialog's file-type list, such as "LifeXML" with "*.lxm".
struct FileFilter {
  std::string name;
  std::vector<std::string> patterns;
};

// What a file dialog shows when it opens. Texts and paths are UTF-8; an
// empty folder or file name proposes none.
struct FileDialogRequest {
  std::string title;
  std::vector<FileFilter> filters;
  int filterIndex = 0;  // the preselected entry of `filters`
  std::string folder;
  std::string fileName;
};

// The user's answer: the full path (empty when cancelled) and the entry of
// the file-type list selected when the dialog closed.
struct FileDialogChoice {
  std::string path;
  int filterIndex = 0;
};

// Modal dialogs that ask for a file name. They never ask about overwriting
// and accept names of files that do not exist; the caller decides both.
// Tests install a fake that records and answers.
class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  virtual FileDialogChoice askSavePath(QWidget* owner, const FileDialogRequest& request) = 0;
  virtual FileDialogChoice askOpenPath(QWidget* owner, const FileDialogRequest& request) = 0;
};

// Qt's own QFileDialog, whatever the desktop offers, so that the chosen
// file type is always known. It runs its own nested event loop, so timers
// keep ticking.
class WidgetFileDialogs : public FileDialogs {
 public:
  FileDialogChoice askSavePath(QWidget* owner, const FileDialogRequest& request) override;
  FileDialogChoice askOpenPath(QWidget* owner, const FileDialogRequest& request) override;
};

// The program's file dialogs.
FileDialogs& systemFileDialogs();

}  // namespace orvalis::platform
