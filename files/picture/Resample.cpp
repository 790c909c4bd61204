#include "files/picture/Resample.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace orvalis {
namespace {

// The source interval [first, last) that target position `index` of
// `targetLength` covers in a source of `sourceLength`; never empty.
struct Span {
  long long first;
  long long last;
};

std::vector<Span> spans(int sourceLength, int targetLength) {
  std::vector<Span> result(static_cast<std::size_t>(targetLength));
  for (int index = 0; index < targetLength; ++index) {
    const long long first = static_cast<long long>(index) * sourceLength / targetLength;
    const long long last = static_cast<long long>(index + 1) * sourceLength / targetLength;
    result[static_cast<std::size_t>(index)] = {first, std::max(last, first + 1)};
  }
  return result;
}

}  // namespace

std::unique_ptr<RgbPicture> fittedPicture(std::unique_ptr<RgbPicture> picture, FieldSize size) {
  if (picture->width() == size.columns && picture->height() == size.rows) {
    return picture;
  }
  auto fitted = RgbPicture::create(size.columns, size.rows);
  if (!fitted) {
    return nullptr;
  }
  const std::vector<Span> columnSpans = spans(picture->width(), size.columns);
  const std::vector<Span> rowSpans = spans(picture->height(), size.rows);
  std::vector<std::uint64_t> sums(3 * static_cast<std::size_t>(size.columns));
  for (int ty = 0; ty < size.rows; ++ty) {
    const Span rowSpan = rowSpans[static_cast<std::size_t>(ty)];
    std::fill(sums.begin(), sums.end(), 0);
    for (long long sy = rowSpan.first; sy < rowSpan.last; ++sy) {
      const std::uint8_t* source = picture->row(static_cast<int>(sy));
      for (int tx = 0; tx < size.columns; ++tx) {
        const Span columnSpan = columnSpans[static_cast<std::size_t>(tx)];
        std::uint64_t* sum = &sums[3 * static_cast<std::size_t>(tx)];
        for (long long sx = columnSpan.first; sx < columnSpan.last; ++sx) {
          sum[0] += source[3 * sx];
          sum[1] += source[3 * sx + 1];
          sum[2] += source[3 * sx + 2];
        }
      }
    }
    std::uint8_t* target = fitted->row(ty);
    for (int tx = 0; tx < size.columns; ++tx) {
      const Span columnSpan = columnSpans[static_cast<std::size_t>(tx)];
      const auto count = static_cast<std::uint64_t>((columnSpan.last - columnSpan.first) *
                                                    (rowSpan.last - rowSpan.first));
      for (int channel = 0; channel < 3; ++channel) {
        const std::uint64_t sum =
            sums[3 * static_cast<std::size_t>(tx) + static_cast<std::size_t>(channel)];
        target[3 * tx + channel] = static_cast<std::uint8_t>((sum + count / 2) / count);
      }
    }
  }
  return fitted;
}

}  // namespace orvalis
