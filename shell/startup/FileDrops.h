#pragma once

#include <QObject>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QMimeData;
class QString;
class QWidget;

namespace orvalis {

// The local path that a drag offers: the first entry of its URI list, when
// that is a file URI of this machine; a file or a folder.
std::optional<QString> draggedLocalPath(const QMimeData& data);

// Opens a file dragged from a file manager and dropped anywhere on one of
// `windows`. The cursor shows a drop as possible only for such a file and
// only while no modal window (a dialog, a message box, the presentation)
// runs; folders are refused too. Every other drag, such as text or a link
// from a browser, passes on to the widgets, where a text field takes its
// text.
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
