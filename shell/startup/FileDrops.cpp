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

namespace {

// The first URI of a URI list: one a line, lines that start with "#" are
// comments.
std::optional<QUrl> firstListedUri(const QByteArray& list) {
  for (const QByteArray& line : list.split('\n')) {
    const QByteArray entry = line.trimmed();
    if (!entry.isEmpty() && !entry.startsWith('#')) {
      return QUrl::fromEncoded(entry);
    }
  }
  return std::nullopt;
}

// A file URI names a file of this machine without a host or with the host
// "localhost".
bool namesLocalFile(const QUrl& uri) {
  return uri.isLocalFile() &&
         (uri.host().isEmpty() ||
          uri.host().compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0);
}

}  // namespace

std::optional<QString> draggedLocalPath(const QMimeData& data) {
  const std::optional<QUrl> first = firstListedUri(data.data(QStringLiteral("text/uri-list")));
  if (!first || !namesLocalFile(*first)) {
    return std::nullopt;
  }
  QUrl local = *first;
  local.setHost(QString());
  return local.toLocalFile();
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
  const std::optional<QString> path = data ? draggedLocalPath(*data) : std::nullopt;
  if (!path) {
    return false;
  }
  // Copied, never moved: the file manager must not remove the file.
  const bool takes = QApplication::activeModalWidget() == nullptr &&
                     drop->possibleActions().testFlag(Qt::CopyAction) && !path->isEmpty() &&
                     !QFileInfo(*path).isDir();
  if (!takes) {
    drop->ignore();
    return true;
  }
  drop->setDropAction(Qt::CopyAction);
  drop->accept();
  if (type == QEvent::Drop) {
    // Loading may show a message box; the file manager need not wait for it.
    QTimer::singleShot(0, this,
                       [this, file = QFile::encodeName(*path).toStdString()] { open_(file); });
  }
  return true;
}

}  // namespace orvalis
