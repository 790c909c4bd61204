#include "files/lifefile/LifeFile.h"

#include <algorithm>
#include <cstdint>
#include <limits>

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

std::string lifeFileBytes(const PatternDocument& document) {
  const PatternCells empty;
  const PatternCells& cells = document.cells ? *document.cells : empty;
  std::string bytes;
  bytes.reserve(20 + cells.states.size());
  appendInt32(bytes, numberValue(document.text(GadgetId::IntervalSpin).value_or("")));
  appendInt32(bytes, cells.width);
  appendInt32(bytes, cells.height);
  appendInt32(bytes, document.number(GadgetId::GridCheck).value_or(0));
  appendInt32(bytes, document.number(GadgetId::InfiniteCheck).value_or(0));
  for (const CellState state : cells.states) {
    bytes += static_cast<char>(state);
  }
  if (const std::string& comment = document.details.comment.value_or(""); !comment.empty()) {
    bytes += comment;
    bytes += "\r\n";
  }
  return bytes;
}

}  // namespace orvalis
