#include "files/pattern/ScatteredCells.h"

#include <algorithm>

#include "engine/CellGrid.h"

namespace orvalis {

bool ScatteredCells::add(long long x, long long y) {
  if (cells_.empty()) {
    left_ = right_ = x;
    top_ = bottom_ = y;
  }
  left_ = std::min(left_, x);
  right_ = std::max(right_, x);
  top_ = std::min(top_, y);
  bottom_ = std::max(bottom_, y);
  if (right_ - left_ >= gridColumns || bottom_ - top_ >= gridRows) {
    return false;
  }
  cells_.emplace_back(y, x);
  if (cells_.size() > 2 * static_cast<std::size_t>(gridColumns) * gridRows) {
    dropRepeats();
  }
  return true;
}

void ScatteredCells::dropRepeats() {
  std::sort(cells_.begin(), cells_.end());
  cells_.erase(std::unique(cells_.begin(), cells_.end()), cells_.end());
}

ReadPattern ScatteredCells::pattern() const {
  ReadPattern pattern;
  pattern.width = static_cast<int>(right_ - left_ + 1);
  pattern.height = static_cast<int>(bottom_ - top_ + 1);
  pattern.living.reserve(cells_.size());
  for (const auto& [y, x] : cells_) {
    pattern.living.push_back(
        {static_cast<std::int16_t>(x - left_), static_cast<std::int16_t>(y - top_)});
  }
  return pattern;
}

}  // namespace orvalis
