#pragma once

#include <utility>
#include <vector>

#include "files/pattern/ReadPattern.h"

namespace orvalis {

// Living cells given one by one at any position, as Life 1.05, Life 1.06 and
// macrocell files give them. Their extent may never pass 500 x 500, so the
// distinct cells held stay within that many, however often a file repeats
// one.
class ScatteredCells {
 public:
  // False once the cells no longer fit 500 x 500; positions lie within
  // 2^60 of the origin.
  [[nodiscard]] bool add(long long x, long long y);

  // The cells from their top-left corner, the extent their width and height.
  ReadPattern pattern() const;

 private:
  void dropRepeats();

  std::vector<std::pair<long long, long long>> cells_;  // y, x
  long long left_ = 0;
  long long top_ = 0;
  long long right_ = -1;
  long long bottom_ = -1;
};

}  // namespace orvalis
