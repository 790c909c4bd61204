#include "files/lifefile/LifeFile.h"

#include <algorithm>
#include <cstdint>

#include "files/io/PatternFileBytes.h"
#include "files/io/TextEncoding.h"
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

void applyLifeFile(std::string_view bytes, const std::string& path, GadgetAccess& gadgets,
                   CellGrid& grid) {
  const ShortFileBytes file(bytes);
  gadgets.setGadgetText(GadgetId::FileNameField, fileNameText(path));
  gadgets.setGadgetText(GadgetId::IntervalSpin, decimalText(file.int32At(0)));
  const std::int32_t columns = file.int32At(4);
  gadgets.setGadgetValue(GadgetId::SizeXSpin, columns);
  const std::int32_t rows = file.int32At(8);
  gadgets.setGadgetValue(GadgetId::SizeYSpin, rows);
  gadgets.setGadgetValue(GadgetId::GridCheck, file.int32At(12));
  gadgets.setGadgetValue(GadgetId::InfiniteCheck, file.int32At(16));

  // The file's rectangle may reach beyond the grid, or be empty; only its
  // part inside the grid is read, at the offsets the whole rectangle gives.
  const std::uint64_t cellBytes = columns > 0 && rows > 0 ? static_cast<std::uint64_t>(columns) *
                                                                static_cast<std::uint64_t>(rows)
                                                          : 0;
  const int readColumns = cellBytes == 0 ? 0 : std::min<std::int32_t>(columns, gridColumns);
  const int readRows = cellBytes == 0 ? 0 : std::min<std::int32_t>(rows, gridRows);
  for (int y = 0; y < readRows; ++y) {
    for (int x = 0; x < readColumns; ++x) {
      const std::uint64_t offset =
          headerBytes + static_cast<std::uint64_t>(y) * static_cast<std::uint64_t>(columns) +
          static_cast<std::uint64_t>(x);
      Cell& cell = grid.at(x, y);
      cell.state = static_cast<CellState>(static_cast<std::int8_t>(file.byteAt(offset)));
      cell.remembered = cell.state;
      cell.pending = PendingMark::None;
    }
  }

  gadgets.setGadgetText(GadgetId::CommentEditor, joinedLines(file.from(headerBytes + cellBytes)));
  gadgets.setGadgetText(GadgetId::AuthorField, "");
  gadgets.setGadgetValue(GadgetId::DateField, 0);
}

bool readLifeFile(const std::string& path, GadgetAccess& gadgets, CellGrid& grid) {
  const auto bytes = readPatternFileBytes(path);
  if (!bytes) {
    return false;
  }
  applyLifeFile(*bytes, path, gadgets, grid);
  return true;
}

}  // namespace orvalis
