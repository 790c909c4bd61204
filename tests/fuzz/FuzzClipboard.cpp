// Any bytes pasted: a block fits the visible field, and copied again it
// pastes as the same cells.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/Population.h"
#include "files/clipboard/ClipboardPattern.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvalis;
  constexpr FieldSize visible{120, 80};
  const ClipboardReading pasted =
      readClipboardPattern(std::string_view(reinterpret_cast<const char*>(data), size), visible);
  if (pasted.block.has_value() == pasted.message.has_value()) {
    std::abort();
  }
  if (!pasted.block) {
    return 0;
  }
  CellBlock written = *pasted.block;
  for (CellState& state : written.states) {
    state = countsAsLiving(state) ? CellState::Alive : CellState::Dead;
  }
  written = trimmed(written);
  const ClipboardReading again = readClipboardPattern(clipboardRle(*pasted.block, ""), visible);
  const bool fits = pasted.block->width <= visible.columns && pasted.block->height <= visible.rows;
  if (pasted.block->isEmpty() || !fits ||
      (written.isEmpty() ? again.block.has_value() : again.block != written)) {
    std::abort();
  }
  return 0;
}
