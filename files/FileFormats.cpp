#include "files/FileFormats.h"

#include <algorithm>

#include "files/FileMessages.h"
#include "files/lifefile/LifeFile.h"
#include "files/lifetext/LifeTextReader.h"
#include "files/lifexml/LifeXmlDocument.h"
#include "files/lifexml/LifeXmlReader.h"
#include "files/lifexml/LifeXmlWriter.h"
#include "files/macrocell/MacrocellReader.h"
#include "files/pattern/ExportedPattern.h"
#include "files/pattern/PatternPlacement.h"
#include "files/picture/PictureImport.h"
#include "files/picture/PictureLoader.h"
#include "files/plaintext/PlaintextReader.h"
#include "files/plaintext/PlaintextWriter.h"
#include "files/rle/RleReader.h"
#include "files/rle/RleSignature.h"
#include "files/rle/RleWriter.h"
#include "settings/Text.h"

namespace orvalis {
namespace {

// Life 1.05 and 1.06 text shares the ".lif" name with the binary Life file.
DocumentReading readLifeFileFormat(std::string_view bytes, const ReadingContext& context) {
  constexpr std::size_t signatureBytes = 16;
  if (looksLikeLifeText(bytes.substr(0, signatureBytes))) {
    return patternDocument(readLifeText(bytes), context.shown);
  }
  return {lifeFileDocument(bytes), std::nullopt};
}

DocumentReading readLifeXmlFormat(std::string_view bytes, const ReadingContext&) {
  return readLifeXmlBytes(bytes, ReadMode::Full);
}

template <PatternReading (*reader)(std::string_view text)>
DocumentReading readPatternText(std::string_view bytes, const ReadingContext& context) {
  return patternDocument(reader(bytes), context.shown);
}

std::string rleFormatText(const PatternDocument& document) {
  return rleText(exportedPattern(document));
}

std::string plaintextFormatText(const PatternDocument& document) {
  return plaintextText(exportedPattern(document));
}

bool looksLikeLifeXml(std::string_view start) {
  // The parser stops where the examined bytes end; a root element that
  // started before holds.
  const auto document = parseLifeXml(start);
  return document && hasLifeXmlRoot(*document);
}

const std::vector<FileFormat>& table() {
  static const std::vector<FileFormat> formats{
      {.id = FormatId::LifeFile,
       .family = FormatFamily::Own,
       .label = "Lifedatei",
       .dialogPatterns = {"*.lif"},
       .extensions = {"lif"},
       .extension = ".lif",
       .recognises = looksLikeLifeText,
       .contentFirst = true,
       .read = readLifeFileFormat,
       .write = lifeFileBytes,
       .notLoaded = lifeFileLoadFailedMessage,
       .notSaved = lifeFileSaveFailedMessage,
       .saved = true},
      {.id = FormatId::LifeXml,
       .family = FormatFamily::Own,
       .label = "LifeXML",
       .dialogPatterns = {"*.lxm"},
       .extensions = {"lxm"},
       .extension = ".lxm",
       .recognises = looksLikeLifeXml,
       .read = readLifeXmlFormat,
       .write = lifeXmlText,
       .notLoaded = lifeXmlLoadFailedMessage,
       .notSaved = lifeXmlSaveFailedMessage,
       .saved = true},
      {.id = FormatId::Pictures,
       .family = FormatFamily::Picture,
       .label = "Bilder",
       .dialogPatterns = {"*.jpg", "*.bmp", "*.png", "*.jpeg"},
       .extensions = {"jpg", "jpeg", "png", "bmp"},
       .extension = "",
       .recognises = looksLikePicture,
       .read = pictureDocument,
       .write = nullptr,
       .saved = false},
      {.id = FormatId::Rle,
       .family = FormatFamily::Community,
       .label = "RLE",
       .dialogPatterns = {"*.rle"},
       .extensions = {"rle"},
       .extension = ".rle",
       .recognises = looksLikeRle,
       .read = readPatternText<readRle>,
       .write = rleFormatText,
       .notLoaded = lifeFileLoadFailedMessage,
       .notSaved = lifeFileSaveFailedMessage,
       .saved = true},
      {.id = FormatId::Plaintext,
       .family = FormatFamily::Community,
       .label = "Plaintext",
       .dialogPatterns = {"*.cells"},
       .extensions = {"cells"},
       .extension = ".cells",
       .recognises = nullptr,
       .read = readPatternText<readPlaintext>,
       .write = plaintextFormatText,
       .notLoaded = lifeFileLoadFailedMessage,
       .notSaved = lifeFileSaveFailedMessage,
       .saved = true},
      {.id = FormatId::FieldPicture,
       .family = FormatFamily::Picture,
       .label = "Bild",
       .dialogPatterns = {"*.png"},
       .extensions = {"png"},
       .extension = ".png",
       .recognises = nullptr,
       .read = nullptr,
       .write = nullptr,
       .saved = true},
      {.id = FormatId::Macrocell,
       .family = FormatFamily::Community,
       .label = "Macrocell",
       .dialogPatterns = {"*.mc"},
       .extensions = {"mc"},
       .extension = ".mc",
       .recognises = looksLikeMacrocell,
       .read = readPatternText<readMacrocell>,
       .write = nullptr,
       .notLoaded = lifeFileLoadFailedMessage,
       .saved = false},
  };
  return formats;
}

template <typename Offered>
std::vector<const FileFormat*> formatsWhere(Offered offered) {
  std::vector<const FileFormat*> list;
  for (const FileFormat& format : table()) {
    if (offered(format)) {
      list.push_back(&format);
    }
  }
  return list;
}

bool isLoaded(const FileFormat& format) {
  return format.read != nullptr;
}

bool isSaved(const FileFormat& format) {
  return format.saved;
}

int indexIn(const std::vector<const FileFormat*>& list, FormatId id) {
  const auto found = std::ranges::find(list, id, &FileFormat::id);
  return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

template <typename Offered>
const FileFormat* formatForName(std::string_view path, Offered offered) {
  const std::string extension = lowerCase(pathExtension(path));
  for (const FileFormat* format : formatsWhere(offered)) {
    if (std::ranges::find(format->extensions, extension) != format->extensions.end()) {
      return format;
    }
  }
  return nullptr;
}

}  // namespace

std::vector<const FileFormat*> loadFormats() {
  return formatsWhere(isLoaded);
}

std::vector<const FileFormat*> saveFormats() {
  return formatsWhere(isSaved);
}

std::vector<std::string> allPatternsDialogPatterns() {
  std::vector<std::string> patterns;
  for (const FileFormat* format : loadFormats()) {
    patterns.insert(patterns.end(), format->dialogPatterns.begin(), format->dialogPatterns.end());
  }
  for (const FileFormat* format : loadFormats()) {
    if (format->family != FormatFamily::Picture) {
      for (const std::string& pattern : format->dialogPatterns) {
        patterns.push_back(pattern + ".gz");
      }
    }
  }
  return patterns;
}

const FileFormat& fileFormat(FormatId id) {
  return *std::ranges::find(table(), id, &FileFormat::id);
}

const FileFormat& listedFormat(const std::vector<const FileFormat*>& list, int index) {
  return index >= 0 && index < static_cast<int>(list.size()) ? *list[index] : *list.front();
}

int loadIndex(FormatId id) {
  return indexIn(loadFormats(), id);
}

int saveIndex(FormatId id) {
  return indexIn(saveFormats(), id);
}

const FileFormat* loadFormatForName(const std::string& path) {
  constexpr std::string_view gzip = ".gz";
  std::string_view named = path;
  if (lowerCase(pathExtension(path)) == gzip.substr(1)) {
    named.remove_suffix(gzip.size());
  }
  return formatForName(named, isLoaded);
}

const FileFormat* saveFormatForName(const std::string& path) {
  return formatForName(path, [](const FileFormat& format) { return format.write != nullptr; });
}

std::vector<std::string> extensionsGivingWay(const FileFormat& chosen) {
  std::vector<std::string> extensions;
  for (const FileFormat& format : table()) {
    for (const std::string& extension : format.extensions) {
      const bool givesWay =
          std::ranges::find(chosen.extensions, extension) == chosen.extensions.end() &&
          std::ranges::find(extensions, extension) == extensions.end();
      if (givesWay) {
        extensions.push_back(extension);
      }
    }
  }
  return extensions;
}

}  // namespace orvalis
