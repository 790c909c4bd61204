#include "files/lifexml/LineBreakStyle.h"

#include <algorithm>
#include <cstddef>

namespace orvalis {
namespace {

constexpr unsigned carriageReturn = 13;
constexpr unsigned lineFeed = 10;

enum class ByteOrder { LittleEndian, BigEndian };

// Reads the text as a sequence of units of `width` bytes (1 or 2).
class Units {
 public:
  Units(std::string_view piece, std::string_view following, std::size_t width, ByteOrder order)
      : piece_(piece), following_(following), width_(width), order_(order) {}

  std::size_t count() const { return piece_.size() / width_; }

  // The unit at `index`, continuing into the following text; nothing past it.
  std::optional<unsigned> at(std::size_t index) const {
    const std::size_t offset = index * width_;
    unsigned value = 0;
    for (std::size_t k = 0; k < width_; ++k) {
      const std::optional<unsigned char> byte = byteAt(offset + k);
      if (!byte) {
        return std::nullopt;
      }
      const std::size_t significance = order_ == ByteOrder::BigEndian ? width_ - 1 - k : k;
      value |= static_cast<unsigned>(*byte) << (8 * significance);
    }
    return value;
  }

 private:
  std::optional<unsigned char> byteAt(std::size_t offset) const {
    if (offset < piece_.size()) {
      return static_cast<unsigned char>(piece_[offset]);
    }
    offset -= piece_.size();
    if (offset < following_.size()) {
      return static_cast<unsigned char>(following_[offset]);
    }
    return std::nullopt;
  }

  std::string_view piece_;
  std::string_view following_;
  std::size_t width_;
  ByteOrder order_;
};

// Markup and Latin text in UTF-16 have a zero high byte in most units: it
// comes first in big-endian files, so most zero bytes sit at even offsets.
ByteOrder utf16ByteOrder(std::string_view piece) {
  std::size_t evenZeros = 0;
  std::size_t oddZeros = 0;
  for (std::size_t i = 0; i < piece.size(); ++i) {
    if (piece[i] == '\0') {
      ++(i % 2 == 0 ? evenZeros : oddZeros);
    }
  }
  return evenZeros > oddZeros ? ByteOrder::BigEndian : ByteOrder::LittleEndian;
}

}  // namespace

std::optional<std::string_view> lineBreakStyle(std::string_view piece, std::string_view following) {
  const auto zeroBytes = std::count(piece.begin(), piece.end(), '\0');
  const Units units(piece, following, zeroBytes > 4 ? 2 : 1, utf16ByteOrder(piece));
  for (std::size_t i = 0; i < units.count(); ++i) {
    const unsigned unit = *units.at(i);
    if (unit == lineFeed) {
      return "\n";
    }
    if (unit == carriageReturn) {
      return units.at(i + 1) == lineFeed ? "\r\n" : "\r";
    }
  }
  return std::nullopt;
}

}  // namespace orvalis
