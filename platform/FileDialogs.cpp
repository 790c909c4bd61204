#include "platform/FileDialogs.h"

#include <QFile>
#include <QFileDialog>

namespace orvalis::platform {
namespace {

// "LifeXML (*.lxm)", as QFileDialog lists a file type.
QString filterText(const FileFilter& filter) {
  QStringList patterns;
  for (const std::string& pattern : filter.patterns) {
    patterns.append(QString::fromStdString(pattern));
  }
  return QString::fromStdString(filter.name) + QStringLiteral(" (") +
         patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

FileDialogChoice ask(QWidget* owner, const FileDialogRequest& request,
                     QFileDialog::AcceptMode mode) {
  QFileDialog dialog(owner, QString::fromStdString(request.title));
  // The platform's native dialog may not tell which file type was chosen.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(QFileDialog::AnyFile);
  QStringList filters;
  for (const FileFilter& filter : request.filters) {
    filters.append(filterText(filter));
  }
  dialog.setNameFilters(filters);
  if (request.filterIndex >= 0 && request.filterIndex < filters.size()) {
    dialog.selectNameFilter(filters.at(request.filterIndex));
  }
  if (!request.folder.empty()) {
    dialog.setDirectory(QFile::decodeName(QByteArray::fromStdString(request.folder)));
  }
  if (!request.fileName.empty()) {
    dialog.selectFile(QFile::decodeName(QByteArray::fromStdString(request.fileName)));
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return {"", request.filterIndex};
  }
  const auto chosenFilter = static_cast<int>(filters.indexOf(dialog.selectedNameFilter()));
  return {QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString(),
          chosenFilter >= 0 ? chosenFilter : request.filterIndex};
}

}  // namespace

FileDialogChoice WidgetFileDialogs::askSavePath(QWidget* owner, const FileDialogRequest& request) {
  return ask(owner, request, QFileDialog::AcceptSave);
}

FileDialogChoice WidgetFileDialogs::askOpenPath(QWidget* owner, const FileDialogRequest& request) {
  return ask(owner, request, QFileDialog::AcceptOpen);
}

FileDialogs& systemFileDialogs() {
  static WidgetFileDialogs dialogs;
  return dialogs;
}

}  // namespace orvalis::platform
