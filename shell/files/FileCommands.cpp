#include "shell/files/FileCommands.h"

#include <QApplication>
#include <filesystem>
#include <optional>

#include "files/FileContent.h"
#include "files/FileFormats.h"
#include "files/FileMessages.h"
#include "files/community/ExportedPattern.h"
#include "files/lifexml/LifeXmlReader.h"
#include "files/picture/PngWriter.h"
#include "shell/files/FilePaths.h"
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

UserMessage overwriteQuestion() {
  return {"Datei existiert bereits, überschreiben?", "Life", MessageIcon::Question,
          MessageButtons::YesNo};
}

// Anything at the path counts, a folder or a dangling link too: the user
// hears of it before a save tries to replace it.
bool somethingExistsAt(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

}  // namespace

FileCommands::FileCommands(LifeField& field, GadgetAccess& gadgets, FieldView& view,
                           platform::FileDialogs& dialogs, platform::MessageBoxes& messages)
    : field_(field),
      gadgets_(gadgets),
      view_(view),
      dialogs_(dialogs),
      messages_(messages),
      loadFilterIndex_(loadIndex(FormatId::LifeXml)) {}

platform::FileDialogRequest FileCommands::dialogRequest(const char* title,
                                                        std::vector<platform::FileFilter> filters,
                                                        int filterIndex) const {
  PathProposal proposal = pathProposal(lastFilePath_);
  return {title, std::move(filters), filterIndex, std::move(proposal.folder),
          std::move(proposal.fileName)};
}

// The chosen format's extension replaces another format's. Static and
// blocked cells cannot be kept in a community format, which the user agrees
// to first.
void FileCommands::saveCommand() {
  const platform::FileDialogChoice choice =
      dialogs_.askSavePath(QApplication::activeWindow(),
                           dialogRequest("Lifedatei speichern", dialogFilters(saveFormats()),
                                         saveIndex(FormatId::LifeXml)));
  lastFilePath_ = choice.path;
  if (lastFilePath_.empty()) {
    return;
  }
  const FileFormat& format = listedFormat(saveFormats(), choice.filterIndex);
  givePatternExtension(lastFilePath_, format.extension, extensionsGivingWay(format));
  if (format.family == FormatFamily::Community && holdsFixedCells(gadgets_, field_.cells) &&
      tell(fixedCellsQuestion()) != MessageAnswer::Yes) {
    return;
  }
  if (somethingExistsAt(lastFilePath_) && tell(overwriteQuestion()) != MessageAnswer::Yes) {
    return;
  }
  if (!format.write) {
    savePicture();
  } else if (const auto message = format.write(lastFilePath_, gadgets_, field_.cells)) {
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

void FileCommands::loadCommand() {
  const platform::FileDialogChoice choice = dialogs_.askOpenPath(
      QApplication::activeWindow(),
      dialogRequest("Lifedatei laden", dialogFilters(loadFormats()), loadFilterIndex_));
  lastFilePath_ = choice.path;
  if (!lastFilePath_.empty()) {
    loadFile(choice.path, choice.filterIndex);
  }
}

// The file type chosen decides the format, not the file's extension; only
// a Life file's content may show that it is another format.
void FileCommands::loadFile(const std::string& path, int filterIndex) {
  const FileFormat& format = listedFormat(loadFormats(), filterIndex);
  std::string named = path;
  addExtension(named, format.extension);
  loadAs(formatReading(format, named), named, filterIndex);
}

void FileCommands::openFile(const std::string& path) {
  const FileContent content = formatForOpening(path);
  if (!content.format) {
    tell(unopenedFileMessage(content));
    return;
  }
  // Read under its own name: the file type would add its extension to a
  // name without one.
  loadAs(*content.format, path, loadIndex(content.format->id));
}

// A refused file (unreadable, another rule, too large) changes nothing; a
// picture that cannot be read ends the import without a word.
void FileCommands::loadAs(const FileFormat& format, const std::string& path, int filterIndex) {
  lastFilePath_ = path;
  loadFilterIndex_ = filterIndex;
  const LoadOutcome outcome = format.read(lastFilePath_, gadgets_, field_.cells);
  if (outcome.message) {
    tell(*outcome.message);
  }
  if (!outcome.loaded) {
    return;
  }
  if (format.family == FormatFamily::Picture) {
    view_.invalidateAll();
  } else {
    showLoadedField();
  }
}

void FileCommands::readSettingsAtStartup() {
  // A missing, unreadable or empty settings file is no matter for the user.
  if (const auto document = readLifeXml(settingsFileName)) {
    applyDocument(*document, ApplyMode::SettingsOnly, "");
  }
}

void FileCommands::applyDocument(const XmlDocument& document, ApplyMode mode,
                                 const std::string& path) {
  const ApplyResult result = applyLifeXml(document, mode, path, gadgets_, field_.cells);
  if (const auto message = applyResultMessage(result)) {
    tell(*message);
    return;
  }
  showLoadedField();
}

// The next step only judges the loaded cells, never applies marks that
// belonged to the field before.
void FileCommands::showLoadedField() {
  field_.fieldEdited = true;
  view_.relayoutFromControls();
  view_.invalidateAll();
}

MessageAnswer FileCommands::tell(const UserMessage& message) {
  return messages_.show(QApplication::activeWindow(), message);
}

}  // namespace orvalis
