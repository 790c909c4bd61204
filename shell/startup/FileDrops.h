#pragma once

#include <QObject>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QMimeData;
class QWidget;

namespace orvalis {

// The file that a drag from a file manager offers: the first of its URLs,
// when that is a local file and no folder.
std::optional<std::string> draggedFile(const QMimeData& data);

// Opens a file dragged from a file manager and dropped anywhere on one of
// `windows`. The cursor shows a drop as possible only for such a file and
// only while no modal window (a dialog, a message box, the presentation)
// runs; every other drag with URLs is refused. Drags without URLs, such as
// text for a text field, pass on to the widgets.
class FileDropFilter : public QObject {
 public:
  FileDropFilter(std::vector<QWidget*> windows, std::function<void(const std::string&)> open);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool belongsToWindows(QObject* watched) const;

  std::vector<QWidget*> windows_;
  std::function<void(const std::string&)> open_;
};

}  // namespace orvalis
