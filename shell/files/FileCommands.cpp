#include "shell/files/FileCommands.h"

#include <QApplication>
#include <filesystem>
#include <optional>

#include "engine/Text.h"
#include "files/FileContent.h"
#include "files/FileMessages.h"
#include "files/LifeFile.h"
#include "files/LifeXmlReader.h"
#include "files/LifeXmlWriter.h"
#include "files/picture/PictureImport.h"
#include "shell/files/FilePaths.h"
#include "view/FieldView.h"

namespace orvalis {
namespace {

// The entries of the dialogs' file-type lists.
constexpr int lifeFileFilter = 0;
constexpr int lifeXmlFilter = 1;
constexpr int pictureFilter = 2;

// The file type that a file's extension, in any case, selects for opening it
// by its name alone.
std::optional<int> loadFilterForExtension(const std::string& path) {
  struct Entry {
    const char* extension;
    int filterIndex;
  };
  static constexpr Entry table[] = {
      {"lif", lifeFileFilter}, {"lxm", lifeXmlFilter}, {"jpg", pictureFilter},
      {"jpeg", pictureFilter}, {"png", pictureFilter}, {"bmp", pictureFilter},
  };
  const std::string extension = lowerCase(pathExtension(path));
  for (const Entry& entry : table) {
    if (extension == entry.extension) {
      return entry.filterIndex;
    }
  }
  return std::nullopt;
}

// The save dialog always opens on LifeXML.
constexpr int saveFilterIndex = lifeXmlFilter;

constexpr const char* settingsFileName = "Default.lxm";

std::vector<platform::FileFilter> patternFilters() {
  return {{"Lifedatei", {"*.lif"}}, {"LifeXML", {"*.lxm"}}};
}

platform::UserMessage overwriteQuestion() {
  return {"Datei existiert bereits, überschreiben?", "Life", platform::MessageIcon::Question,
          platform::MessageButtons::YesNo};
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
      loadFilterIndex_(lifeXmlFilter) {}

platform::FileDialogRequest FileCommands::dialogRequest(const char* title,
                                                        std::vector<platform::FileFilter> filters,
                                                        int filterIndex) const {
  PathProposal proposal = pathProposal(lastFilePath_);
  return {title, std::move(filters), filterIndex, std::move(proposal.folder),
          std::move(proposal.fileName)};
}

void FileCommands::saveCommand() {
  const platform::FileDialogChoice choice =
      dialogs_.askSavePath(QApplication::activeWindow(),
                           dialogRequest("Lifedatei speichern", patternFilters(), saveFilterIndex));
  lastFilePath_ = choice.path;
  if (lastFilePath_.empty()) {
    return;
  }
  const bool asLifeXml = choice.filterIndex == lifeXmlFilter;
  if (asLifeXml) {
    givePatternExtension(lastFilePath_, ".lxm", "lif");
  } else {
    givePatternExtension(lastFilePath_, ".lif", "lxm");
  }
  if (somethingExistsAt(lastFilePath_) &&
      tell(overwriteQuestion()) != platform::MessageAnswer::Yes) {
    return;
  }
  if (asLifeXml) {
    if (!writeLifeXml(lastFilePath_, gadgets_, field_.cells)) {
      tell(lifeXmlSaveFailedMessage());
    }
  } else if (!writeLifeFile(lastFilePath_, gadgets_, field_.cells)) {
    tell(lifeFileSaveFailedMessage());
  }
}

void FileCommands::loadCommand() {
  std::vector<platform::FileFilter> filters = patternFilters();
  filters.push_back({"Bilder", {"*.jpg", "*.bmp", "*.png"}});
  const platform::FileDialogChoice choice =
      dialogs_.askOpenPath(QApplication::activeWindow(),
                           dialogRequest("Lifedatei laden", std::move(filters), loadFilterIndex_));
  lastFilePath_ = choice.path;
  if (!lastFilePath_.empty()) {
    loadFile(choice.path, choice.filterIndex);
  }
}

void FileCommands::loadFile(const std::string& path, int filterIndex) {
  lastFilePath_ = path;
  loadFilterIndex_ = filterIndex;
  // The file type chosen decides the format, not the file's extension.
  switch (loadFilterIndex_) {
    case lifeXmlFilter:
      addExtension(lastFilePath_, ".lxm");
      loadLifeXml();
      break;
    case pictureFilter:
      loadPicture();
      break;
    case lifeFileFilter:
    default:
      addExtension(lastFilePath_, ".lif");
      loadLifeFile();
      break;
  }
}

void FileCommands::openFile(const std::string& path) {
  if (const auto filterIndex = loadFilterForExtension(path)) {
    loadFile(path, *filterIndex);
    return;
  }
  switch (recogniseContent(path)) {
    case FileContent::LifeXml:
      // Read under its own name: the file type would add ".lxm" to a name
      // without extension.
      lastFilePath_ = path;
      loadFilterIndex_ = lifeXmlFilter;
      loadLifeXml();
      break;
    case FileContent::Picture:
      loadFile(path, pictureFilter);
      break;
    case FileContent::Unreadable:
      tell(lifeFileLoadFailedMessage());
      break;
    case FileContent::Other:
      tell(unknownFileFormatMessage());
      break;
  }
}

void FileCommands::readSettingsAtStartup() {
  // A missing, unreadable or empty settings file is no matter for the user.
  if (const auto document = readLifeXml(settingsFileName)) {
    applyDocument(*document, ApplyMode::SettingsOnly, "");
  }
}

void FileCommands::loadLifeXml() {
  const auto document = readLifeXml(lastFilePath_);
  if (!document) {
    tell(lifeXmlLoadFailedMessage());
    return;
  }
  applyDocument(*document, ApplyMode::Full, lastFilePath_);
}

void FileCommands::loadLifeFile() {
  if (!readLifeFile(lastFilePath_, gadgets_, field_.cells)) {
    tell(lifeFileLoadFailedMessage());
    return;
  }
  showLoadedField();
}

// A picture that cannot be read ends the import without a word.
void FileCommands::loadPicture() {
  if (importPicture(lastFilePath_, gadgets_, field_.cells)) {
    view_.invalidateAll();
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

platform::MessageAnswer FileCommands::tell(const platform::UserMessage& message) {
  return messages_.show(QApplication::activeWindow(), message);
}

}  // namespace orvalis
