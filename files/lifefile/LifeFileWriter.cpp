#include "files/lifefile/LifeFile.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "files/io/SafeSave.h"
#include "files/io/TextEncoding.h"
#include "settings/GadgetAccess.h"
#include "settings/Text.h"

namespace orvalis {
namespace {

void appendInt32(std::string& bytes, long long value) {
  const auto clamped = static_cast<std::uint32_t>(static_cast<std::int32_t>(std::clamp<long long>(
      value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max())));
  for (int shift = 0; shift < 32; shift += 8) {
    bytes += static_cast<char>((clamped >> shift) & 0xFF);
  }
}

}  // namespace

std::string lifeFileBytes(GadgetAccess& gadgets, const CellGrid& grid) {
  const FieldSize size = visibleFieldSize(gadgets);
  std::string bytes;
  bytes.reserve(20 + static_cast<std::size_t>(size.columns * size.rows));
  appendInt32(bytes, numberValue(gadgets.gadgetText(GadgetId::IntervalSpin)));
  appendInt32(bytes, size.columns);
  appendInt32(bytes, size.rows);
  appendInt32(bytes, gadgets.gadgetValue(GadgetId::GridCheck));
  appendInt32(bytes, gadgets.gadgetValue(GadgetId::InfiniteCheck));
  for (int y = 0; y < size.rows; ++y) {
    for (int x = 0; x < size.columns; ++x) {
      bytes += static_cast<char>(grid.at(x, y).state);
    }
  }
  if (const std::string comment = gadgets.gadgetText(GadgetId::CommentEditor); !comment.empty()) {
    bytes += comment;
    bytes += "\r\n";
  }
  return bytes;
}

bool writeLifeFile(const std::string& path, GadgetAccess& gadgets, const CellGrid& grid) {
  if (!saveFileReplacing(path, lifeFileBytes(gadgets, grid))) {
    return false;
  }
  gadgets.setGadgetText(GadgetId::FileNameField, fileNameText(path));
  return true;
}

}  // namespace orvalis
