#include "files/LineBreakStyle.h"

#include <algorithm>
#include <cstddef>

namespace orvalis {
namespace {

constexpr unsigned carriageReturn = 13;
constexpr unsigned lineFeed = 10;

// Reads the text as a sequence of units of `width` bytes (1 or 2).
class Units {
 public:
  Units(std::string_view piece, std::string_view following, std::size_t width)
      : piece_(piece), following_(following), width_(width) {}

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
      value |= static_cast<unsigned>(*byte) << (8 * k);
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
};

}  // namespace

std::optional<std::string_view> lineBreakStyle(std::string_view piece, std::string_view following) {
  const auto zeroBytes = std::count(piece.begin(), piece.end(), '\0');
  const Units units(piece, following, zeroBytes > 4 ? 2 : 1);
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
