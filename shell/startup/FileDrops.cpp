#include "shell/startup/FileDrops.h"

#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <algorithm>

namespace orvalis {

std::optional<std::string> draggedFile(const QMimeData& data) {
  const QList<QUrl> urls = data.urls();
  if (urls.isEmpty() || !urls.first().isLocalFile()) {
    return std::nullopt;
  }
  const QString path = urls.first().toLocalFile();
  if (path.isEmpty() || QFileInfo(path).isDir()) {
    return std::nullopt;
  }
  return QFile::encodeName(path).toStdString();
}

FileDropFilter::FileDropFilter(std::vector<QWidget*> windows,
                               std::function<void(const std::string&)> open)
    : windows_(std::move(windows)), open_(std::move(open)) {
  // Drags reach a window only when it, or its widget under the cursor,
  // takes drops.
  for (QWidget* window : windows_) {
    window->setAcceptDrops(true);
  }
}

bool FileDropFilter::belongsToWindows(QObject* watched) const {
  const auto* widget = qobject_cast<QWidget*>(watched);
  return widget != nullptr &&
         std::find(windows_.begin(), windows_.end(), widget->window()) != windows_.end();
}

bool FileDropFilter::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if ((type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) ||
      !belongsToWindows(watched)) {
    return false;
  }
  auto* drop = static_cast<QDropEvent*>(event);
  const QMimeData* data = drop->mimeData();
  if (data == nullptr || !data->hasUrls()) {
    return false;
  }
  // Copied, never moved: the file manager must not remove the file.
  const std::optional<std::string> file = QApplication::activeModalWidget() == nullptr &&
                                                  drop->possibleActions().testFlag(Qt::CopyAction)
                                              ? draggedFile(*data)
                                              : std::nullopt;
  if (!file) {
    drop->ignore();
    return true;
  }
  drop->setDropAction(Qt::CopyAction);
  drop->accept();
  if (type == QEvent::Drop) {
    // Loading may show a message box; the file manager need not wait for it.
    QTimer::singleShot(0, this, [this, path = *file] { open_(path); });
  }
  return true;
}

}  // namespace orvalis
