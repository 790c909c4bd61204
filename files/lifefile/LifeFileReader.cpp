#include "files/lifefile/LifeFile.h"

#include <algorithm>
#include <cstdint>

#include "settings/Text.h"

namespace orvalis {
namespace {

// The file's bytes, reading 0 beyond its end.
class ShortFileBytes {
 public:
  explicit ShortFileBytes(std::string_view bytes) : bytes_(bytes) {}

  std::uint8_t byteAt(std::uint64_t offset) const {
    return offset < bytes_.size() ? static_cast<std::uint8_t>(bytes_[offset]) : 0;
  }

  std::int32_t int32At(std::uint64_t offset) const {
    std::uint32_t value = 0;
    for (int k = 0; k < 4; ++k) {
      value |= static_cast<std::uint32_t>(byteAt(offset + static_cast<std::uint64_t>(k)))
               << (8 * k);
    }
    return static_cast<std::int32_t>(value);
  }

  std::string_view from(std::uint64_t offset) const {
    return offset < bytes_.size() ? bytes_.substr(offset) : std::string_view();
  }

 private:
  std::string_view bytes_;
};

constexpr std::uint64_t headerBytes = 20;

// The comment's lines joined with nothing between them: a line ends at CR,
// LF (CR LF counting as one) or a 0 byte, none of which is kept.
std::string joinedLines(std::string_view rest) {
  std::string comment;
  for (const char c : rest) {
    if (c != '\r' && c != '\n' && c != '\0') {
      comment += c;
    }
  }
  return comment;
}

}  // namespace

PatternDocument lifeFileDocument(std::string_view bytes) {
  const ShortFileBytes file(bytes);
  PatternDocument document;
  const std::int32_t columns = file.int32At(4);
  const std::int32_t rows = file.int32At(8);
  document.settings = {
      {GadgetId::IntervalSpin, decimalText(file.int32At(0))},
      {GadgetId::SizeXSpin, columns},
      {GadgetId::SizeYSpin, rows},
      {GadgetId::GridCheck, file.int32At(12)},
      {GadgetId::InfiniteCheck, file.int32At(16)},
  };

  // The file's rectangle may reach beyond the grid, or be empty; only its
  // part inside the grid is read, at the offsets the whole rectangle gives.
  const std::uint64_t cellBytes = columns > 0 && rows > 0 ? static_cast<std::uint64_t>(columns) *
                                                                static_cast<std::uint64_t>(rows)
                                                          : 0;
  PatternCells cells;
  cells.clearsGrid = false;
  cells.width = cellBytes == 0 ? 0 : std::min<std::int32_t>(columns, gridColumns);
  cells.height = cellBytes == 0 ? 0 : std::min<std::int32_t>(rows, gridRows);
  cells.states.reserve(static_cast<std::size_t>(cells.width) * cells.height);
  for (int y = 0; y < cells.height; ++y) {
    for (int x = 0; x < cells.width; ++x) {
      const std::uint64_t offset =
          headerBytes + static_cast<std::uint64_t>(y) * static_cast<std::uint64_t>(columns) +
          static_cast<std::uint64_t>(x);
      cells.states.push_back(static_cast<CellState>(static_cast<std::int8_t>(file.byteAt(offset))));
    }
  }
  document.cells = std::move(cells);
  document.details.comment = joinedLines(file.from(headerBytes + cellBytes));
  document.details.author = "";
  document.details.date = 0;
  return document;
}

}  // namespace orvalis
