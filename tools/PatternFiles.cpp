#include "tools/PatternFiles.h"

#include "engine/Text.h"
#include "files/CommunityFormats.h"
#include "files/FileMessages.h"
#include "files/LifeFile.h"
#include "files/LifeXmlApply.h"
#include "files/LifeXmlReader.h"
#include "files/LifeXmlWriter.h"
#include "files/picture/PictureImport.h"

namespace orvalis::cli {
namespace {

std::optional<std::string> loadLifeXml(const std::string& path, GadgetAccess& gadgets,
                                       CellGrid& grid) {
  const auto document = readLifeXml(path);
  if (!document) {
    return lifeXmlLoadFailedMessage().text;
  }
  const auto message =
      applyResultMessage(applyLifeXml(*document, ApplyMode::Full, path, gadgets, grid));
  return message ? std::optional(message->text) : std::nullopt;
}

CommunityFormat communityFormat(const std::string& path) {
  return patternFormat(path) == PatternFormat::Rle ? CommunityFormat::Rle
                                                   : CommunityFormat::Plaintext;
}

}  // namespace

PatternFormat patternFormat(const std::string& path) {
  const std::string kind = lowerCase(pathExtension(path));
  if (kind == "lif") {
    return PatternFormat::LifeFile;
  }
  if (kind == "lxm") {
    return PatternFormat::LifeXml;
  }
  if (kind == "rle") {
    return PatternFormat::Rle;
  }
  if (kind == "cells") {
    return PatternFormat::Plaintext;
  }
  return PatternFormat::Picture;
}

std::optional<std::string> loadPattern(const std::string& path, GadgetAccess& gadgets,
                                       LifeField& field) {
  std::optional<std::string> problem;
  switch (patternFormat(path)) {
    case PatternFormat::LifeXml:
      problem = loadLifeXml(path, gadgets, field.cells);
      break;
    case PatternFormat::LifeFile:
      if (!readLifeFile(path, gadgets, field.cells)) {
        problem = lifeFileLoadFailedMessage().text;
      }
      break;
    case PatternFormat::Rle:
    case PatternFormat::Plaintext:
      if (const auto message =
              loadCommunityPattern(path, communityFormat(path), gadgets, field.cells)) {
        problem = message->text;
      }
      break;
    case PatternFormat::Picture:
      // An imported picture leaves no pending marks, so the field needs no
      // flag; the desktop program fails silently here, a script must know.
      return importPicture(path, gadgets, field.cells)
                 ? std::nullopt
                 : std::optional<std::string>("Bild konnte nicht geladen werden");
  }
  if (!problem) {
    field.fieldEdited = true;
  }
  return problem;
}

std::optional<std::string> savePattern(const std::string& path, GadgetAccess& gadgets,
                                       const CellGrid& grid) {
  const PatternFormat format = patternFormat(path);
  if (format == PatternFormat::LifeXml) {
    if (!writeLifeXml(path, gadgets, grid)) {
      return lifeXmlSaveFailedMessage().text;
    }
  } else if (format == PatternFormat::Rle || format == PatternFormat::Plaintext) {
    // Static cells go as living, blocked ones as dead, without asking.
    if (!writeCommunityPattern(path, communityFormat(path), gadgets, grid)) {
      return lifeFileSaveFailedMessage().text;
    }
  } else if (!writeLifeFile(path, gadgets, grid)) {
    return lifeFileSaveFailedMessage().text;
  }
  return std::nullopt;
}

}  // namespace orvalis::cli
