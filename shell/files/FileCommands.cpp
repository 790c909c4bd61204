#include "shell/files/FileCommands.h"

#include <QApplication>
#include <filesystem>
#include <optional>

#include "engine/Population.h"
#include "engine/Text.h"
#include "files/ExportedPattern.h"
#include "files/FileContent.h"
#include "files/FileMessages.h"
#include "files/LifeFile.h"
#include "files/LifeXmlReader.h"
#include "files/LifeXmlWriter.h"
#include "files/picture/PictureImport.h"
#include "files/picture/PngWriter.h"
#include "shell/files/FilePaths.h"
#include "view/FieldImage.h"
#include "view/FieldView.h"

namespace orvalis {
namespace {

// The entries of the dialogs' file-type lists.
constexpr int lifeFileFilter = 0;
constexpr int lifeXmlFilter = 1;
constexpr int pictureFilter = 2;
constexpr int rleLoadFilter = 3;
constexpr int plaintextLoadFilter = 4;
constexpr int rleSaveFilter = 2;
constexpr int plaintextSaveFilter = 3;
constexpr int pngPictureFilter = 4;

// The file type that a file's extension, in any case, selects for opening it
// by its name alone.
std::optional<int> loadFilterForExtension(const std::string& path) {
  struct Entry {
    const char* extension;
    int filterIndex;
  };
  static constexpr Entry table[] = {
      {"lif", lifeFileFilter}, {"lxm", lifeXmlFilter},         {"jpg", pictureFilter},
      {"jpeg", pictureFilter}, {"png", pictureFilter},         {"bmp", pictureFilter},
      {"rle", rleLoadFilter},  {"cells", plaintextLoadFilter},
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

const platform::FileFilter rleFilter{"RLE", {"*.rle"}};
const platform::FileFilter plaintextFilter{"Plaintext", {"*.cells"}};

// The save dialog offers every pattern format, then a picture of the field.
std::vector<platform::FileFilter> saveFilters() {
  std::vector<platform::FileFilter> filters = patternFilters();
  filters.push_back(rleFilter);
  filters.push_back(plaintextFilter);
  filters.push_back({"Bild", {"*.png"}});
  return filters;
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
                           dialogRequest("Lifedatei speichern", saveFilters(), saveFilterIndex));
  lastFilePath_ = choice.path;
  if (lastFilePath_.empty()) {
    return;
  }
  switch (choice.filterIndex) {
    case rleSaveFilter:
      saveCommunityFile(CommunityFormat::Rle);
      return;
    case plaintextSaveFilter:
      saveCommunityFile(CommunityFormat::Plaintext);
      return;
    default:
      break;
  }
  const bool asPicture = choice.filterIndex == pngPictureFilter;
  const bool asLifeXml = choice.filterIndex == lifeXmlFilter;
  if (asPicture) {
    givePatternExtension(lastFilePath_, ".png", {"lif", "lxm", "rle", "cells"});
  } else if (asLifeXml) {
    givePatternExtension(lastFilePath_, ".lxm", {"lif"});
  } else {
    givePatternExtension(lastFilePath_, ".lif", {"lxm"});
  }
  if (somethingExistsAt(lastFilePath_) &&
      tell(overwriteQuestion()) != platform::MessageAnswer::Yes) {
    return;
  }
  if (asPicture) {
    savePicture();
  } else if (asLifeXml) {
    if (!writeLifeXml(lastFilePath_, gadgets_, field_.cells)) {
      tell(lifeXmlSaveFailedMessage());
    }
  } else if (!writeLifeFile(lastFilePath_, gadgets_, field_.cells)) {
    tell(lifeFileSaveFailedMessage());
  }
}

// The other pattern formats' extensions give way to the chosen one's.
// Static and blocked cells cannot be kept, which the user agrees to first.
void FileCommands::saveCommunityFile(CommunityFormat format) {
  if (format == CommunityFormat::Rle) {
    givePatternExtension(lastFilePath_, ".rle", {"lif", "lxm", "cells"});
  } else {
    givePatternExtension(lastFilePath_, ".cells", {"lif", "lxm", "rle"});
  }
  if (holdsFixedCells(gadgets_, field_.cells) &&
      tell(fixedCellsQuestion()) != platform::MessageAnswer::Yes) {
    return;
  }
  if (somethingExistsAt(lastFilePath_) &&
      tell(overwriteQuestion()) != platform::MessageAnswer::Yes) {
    return;
  }
  if (!writeCommunityPattern(lastFilePath_, format, gadgets_, field_.cells)) {
    tell(lifeFileSaveFailedMessage());
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
  std::vector<platform::FileFilter> filters = patternFilters();
  filters.push_back({"Bilder", {"*.jpg", "*.bmp", "*.png"}});
  filters.push_back(rleFilter);
  filters.push_back(plaintextFilter);
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
    case rleLoadFilter:
      loadCommunityFile(CommunityFormat::Rle, ".rle");
      break;
    case plaintextLoadFilter:
      loadCommunityFile(CommunityFormat::Plaintext, ".cells");
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
    restartGenerations(field_, visibleFieldSize(gadgets_));
    view_.invalidateAll();
  }
}

// A refused file (unreadable, another rule, too large) changes nothing.
void FileCommands::loadCommunityFile(CommunityFormat format, const char* extension) {
  addExtension(lastFilePath_, extension);
  if (const auto message = loadCommunityPattern(lastFilePath_, format, gadgets_, field_.cells)) {
    tell(*message);
    return;
  }
  showLoadedField();
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
  restartGenerations(field_, visibleFieldSize(gadgets_));
  view_.relayoutFromControls();
  view_.invalidateAll();
}

platform::MessageAnswer FileCommands::tell(const platform::UserMessage& message) {
  return messages_.show(QApplication::activeWindow(), message);
}

}  // namespace orvalis
