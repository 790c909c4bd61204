#include "shell/filecommands/FileCommands.h"

#include <QApplication>
#include <optional>

#include "files/DocumentApply.h"
#include "files/FileContent.h"
#include "files/FileFormats.h"
#include "files/FileMessages.h"
#include "files/LoadAndSave.h"
#include "files/pattern/ExportedPattern.h"
#include "files/picture/PngWriter.h"
#include "shell/filecommands/FilePaths.h"
#include "shell/filecommands/ReplaceConsent.h"
#include "shell/panel/GadgetLayer.h"
#include "view/FieldImage.h"
#include "view/FieldView.h"

namespace orvalis {
namespace {

constexpr const char* settingsFileName = "Default.lxm";

std::vector<platform::FileFilter> dialogFilters(const std::vector<const FileFormat*>& formats) {
  std::vector<platform::FileFilter> filters;
  for (const FileFormat* format : formats) {
    filters.push_back({format->label, format->dialogPatterns});
  }
  return filters;
}

// The path under which `format` is saved: another format's extension gives
// way to its own, and a name without extension gets it.
std::string savedPath(std::string path, const FileFormat& format) {
  givePatternExtension(path, format.extension, extensionsGivingWay(format));
  return path;
}

}  // namespace

FileCommands::FileCommands(LifeField& field, GadgetLayer& gadgets, FieldView& view,
                           platform::FileDialogs& dialogs, platform::MessageBoxes& messages)
    : field_(field),
      gadgets_(gadgets),
      view_(view),
      dialogs_(dialogs),
      messages_(messages),
      loadFilterIndex_(loadIndex(FormatId::LifeXml)) {}

platform::FileDialogRequest FileCommands::dialogRequest(const char* title,
                                                        std::vector<platform::FileFilter> filters,
                                                        int filterIndex,
                                                        std::string_view proposedPath) {
  PathProposal proposal = pathProposal(proposedPath);
  return {title, std::move(filters), filterIndex, std::move(proposal.folder),
          std::move(proposal.fileName)};
}

// The chosen format's extension replaces that of any other format, so that
// a loaded file is never overwritten in another format; the dialog proposes
// the name as its preselected file type would save it. Static and blocked
// cells cannot be kept in a community format, which the user agrees to
// first.
void FileCommands::saveCommand() {
  const std::string proposed =
      lastFilePath_.empty() ? "" : savedPath(lastFilePath_, fileFormat(FormatId::LifeXml));
  const platform::FileDialogChoice choice =
      dialogs_.askSavePath(QApplication::activeWindow(),
                           dialogRequest("Lifedatei speichern", dialogFilters(saveFormats()),
                                         saveIndex(FormatId::LifeXml), proposed));
  if (choice.path.empty()) {
    lastFilePath_.clear();
    return;
  }
  const FileFormat& format = listedFormat(saveFormats(), choice.filterIndex);
  lastFilePath_ = savedPath(choice.path, format);
  const PatternDocument document = fieldDocument(gadgets_, field_.cells);
  if (format.family == FormatFamily::Community && holdsFixedCells(*document.cells) &&
      tell(fixedCellsQuestion()) != MessageAnswer::Yes) {
    return;
  }
  if (!mayReplace(lastFilePath_, messages_, QApplication::activeWindow())) {
    return;
  }
  if (!format.write) {
    savePicture();
  } else if (const auto message = saveDocument(format, lastFilePath_, document, gadgets_)) {
    tell(*message);
  }
}

// The field as the view shows it now, coming births and deaths included,
// without the frame under the pointer. It is no pattern file, so the
// file-name field keeps the pattern's name.
void FileCommands::savePicture() {
  const FieldImageStyle style{gadgets_.gadgetValue(GadgetId::GridCheck) != 0, true};
  if (!writePng(lastFilePath_, fieldImage(field_.cells, view_.fieldLayout(), style))) {
    tell(pictureSaveFailedMessage());
  }
}

// The file type chosen decides the format, not the file's extension, unless
// the content shows another format. "Alle Muster" reads a file as opening it
// by name does.
void FileCommands::loadCommand() {
  std::vector<platform::FileFilter> filters = dialogFilters(loadFormats());
  const int allPatterns = static_cast<int>(filters.size());
  filters.push_back({allPatternsLabel, allPatternsDialogPatterns()});
  const platform::FileDialogChoice choice = dialogs_.askOpenPath(
      QApplication::activeWindow(),
      dialogRequest("Lifedatei laden", std::move(filters), loadFilterIndex_, lastFilePath_));
  if (choice.path.empty()) {
    lastFilePath_.clear();
    return;
  }
  if (choice.filterIndex == allPatterns) {
    const FileContent content = formatForOpening(choice.path);
    loadFilterIndex_ = allPatterns;
    if (!content.format) {
      tell(unopenedFileMessage(content));
      return;
    }
    openAs(*content.format, choice.path, allPatterns);
    return;
  }
  const FileFormat& format = listedFormat(loadFormats(), choice.filterIndex);
  std::string named = choice.path;
  addExtension(named, format.extension);
  loadAs(formatOfPickedFile(format, named), named, choice.filterIndex);
}

void FileCommands::openFile(const std::string& path) {
  const FileContent content = formatForOpening(path);
  if (!content.format) {
    tell(unopenedFileMessage(content));
    return;
  }
  openAs(*content.format, path, loadIndex(content.format->id));
}

// Read under its own name: the file type would add its extension to a name
// without one. The load dialog's import of a picture ends without a word;
// a file opened by its name says so, or it would fail unseen.
void FileCommands::openAs(const FileFormat& format, const std::string& path, int filterIndex) {
  const DocumentReading reading = loadAs(format, path, filterIndex);
  if (!reading.document && !reading.message) {
    tell(pictureLoadFailedMessage());
  }
}

// A refused file (unreadable, another rule, too large) changes nothing, not
// even the path the next save proposes: that stays the pattern on show.
DocumentReading FileCommands::loadAs(const FileFormat& format, const std::string& path,
                                     int filterIndex) {
  loadFilterIndex_ = filterIndex;
  DocumentReading reading = loadDocument(format, path, readingContext(gadgets_));
  if (take(reading)) {
    lastFilePath_ = path;
  }
  return reading;
}

void FileCommands::readSettingsAtStartup() {
  // A missing, unreadable or empty settings file is no matter for the user.
  take(loadSettingsDocument(settingsFileName));
}

// The controls' reports are held while the document is applied, so that
// the view hears of the new size once, here.
bool FileCommands::take(const DocumentReading& reading) {
  if (reading.document) {
    const HeldNotifications held = gadgets_.holdNotifications();
    applyDocument(*reading.document, gadgets_, field_);
  }
  if (reading.message) {
    tell(*reading.message);
  }
  if (!reading.loaded()) {
    return false;
  }
  const FieldSize size = visibleFieldSize(gadgets_);
  view_.setFieldSize(size.columns, size.rows);
  view_.invalidateAll();
  return true;
}

MessageAnswer FileCommands::tell(const UserMessage& message) {
  return messages_.show(QApplication::activeWindow(), message);
}

}  // namespace orvalis
