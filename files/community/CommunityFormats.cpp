#include "files/community/CommunityFormats.h"

#include <variant>

#include "files/FileMessages.h"
#include "files/community/ExportedPattern.h"
#include "files/community/PatternPlacement.h"
#include "files/community/PlaintextReader.h"
#include "files/community/PlaintextWriter.h"
#include "files/community/RleReader.h"
#include "files/community/RleWriter.h"
#include "files/io/PatternFileBytes.h"
#include "files/io/SafeSave.h"
#include "files/io/TextEncoding.h"

namespace orvalis {
namespace {

UserMessage refusalMessage(const PatternRefusal& refusal) {
  switch (refusal.reason) {
    case PatternRefusal::Reason::TooLarge:
      return patternTooLargeMessage();
    case PatternRefusal::Reason::UnsupportedRule:
      return unsupportedRuleMessage(latin1ToUtf8(refusal.rule));
    case PatternRefusal::Reason::Malformed:
      break;
  }
  return lifeFileLoadFailedMessage();
}

}  // namespace

std::optional<UserMessage> loadPatternFile(const std::string& path, PatternTextReader reader,
                                           GadgetAccess& gadgets, CellGrid& grid) {
  const auto text = readPatternFileBytes(path);
  if (!text) {
    return lifeFileLoadFailedMessage();
  }
  const PatternReading reading = reader(*text);
  if (const auto* refusal = std::get_if<PatternRefusal>(&reading)) {
    return refusalMessage(*refusal);
  }
  placePattern(std::get<ReadPattern>(reading), path, gadgets, grid);
  return std::nullopt;
}

std::optional<UserMessage> loadCommunityPattern(const std::string& path, CommunityFormat format,
                                                GadgetAccess& gadgets, CellGrid& grid) {
  return loadPatternFile(path, format == CommunityFormat::Rle ? readRle : readPlaintext, gadgets,
                         grid);
}

std::string communityPatternText(CommunityFormat format, GadgetAccess& gadgets,
                                 const CellGrid& grid) {
  const ExportedPattern pattern = exportedPattern(gadgets);
  return format == CommunityFormat::Rle ? rleText(pattern, grid) : plaintextText(pattern, grid);
}

bool writeCommunityPattern(const std::string& path, CommunityFormat format, GadgetAccess& gadgets,
                           const CellGrid& grid) {
  if (!saveFileReplacing(path, communityPatternText(format, gadgets, grid))) {
    return false;
  }
  gadgets.setGadgetText(GadgetId::FileNameField, fileNameText(path));
  return true;
}

}  // namespace orvalis
