#pragma once

#include <QRect>
#include <algorithm>
#include <climits>

namespace orvalis {

// What needs repainting, collected as one bounding rectangle. A step reports
// most of a large field cell by cell, so adding must cost a few comparisons;
// painting a little more than was asked for costs less than keeping a region
// of thousands of rectangles.
class DirtyArea {
 public:
  void add(int left, int top, int width, int height) {
    if (width <= 0 || height <= 0) {
      return;
    }
    left_ = std::min(left_, left);
    top_ = std::min(top_, top);
    right_ = std::max(right_, left + width);
    bottom_ = std::max(bottom_, top + height);
  }
  void add(const QRect& area) { add(area.x(), area.y(), area.width(), area.height()); }

  bool isEmpty() const { return left_ >= right_; }
  // The bounding rectangle of everything added; empty if nothing was.
  QRect bounds() const {
    return isEmpty() ? QRect() : QRect(left_, top_, right_ - left_, bottom_ - top_);
  }
  void clear() { *this = DirtyArea(); }

 private:
  int left_ = INT_MAX;
  int top_ = INT_MAX;
  int right_ = INT_MIN;  // exclusive
  int bottom_ = INT_MIN;
};

}  // namespace orvalis
