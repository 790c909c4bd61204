#include "view/FieldRenderer.h"

#include <algorithm>
#include <vector>

#include "view/FieldPalette.h"

namespace orvalis {
namespace {

// The pixels of one rectangle of an image, written directly; every write is
// clipped to the rectangle.
class PixelArea {
 public:
  PixelArea(QImage& image, const QRect& clip)
      : bits_(image.bits()),
        stride_(image.bytesPerLine()),
        left_(clip.left()),
        top_(clip.top()),
        right_(clip.right() + 1),
        bottom_(clip.bottom() + 1) {}

  int left() const { return left_; }
  int top() const { return top_; }
  int right() const { return right_; }
  int bottom() const { return bottom_; }
  int width() const { return right_ - left_; }

  // Whether a rectangle of that size at (left, top) shares a pixel with the area.
  bool meets(int left, int top, int width, int height) const {
    return left < right_ && left + width > left_ && top < bottom_ && top + height > top_;
  }

  QRgb* row(int y) { return reinterpret_cast<QRgb*>(bits_ + y * stride_); }

  // Fills the pixels from (left, top) to (right, bottom), both exclusive.
  void fill(int left, int top, int right, int bottom, QRgb colour) {
    left = std::max(left, left_);
    right = std::min(right, right_);
    top = std::max(top, top_);
    bottom = std::min(bottom, bottom_);
    if (left >= right) {
      return;
    }
    for (int y = top; y < bottom; ++y) {
      std::fill(row(y) + left, row(y) + right, colour);
    }
  }

 private:
  uchar* bits_;
  qsizetype stride_;
  int left_, top_, right_, bottom_;
};

// One-pixel lines at first, first + step, and so on up to last.
struct LineSet {
  int first;
  int last;
  int step;

  bool contains(int at) const { return at >= first && at <= last && (at - first) % step == 0; }
  // The first line at or after `at`.
  int firstFrom(int at) const {
    return at <= first ? first : first + (at - first + step - 1) / step * step;
  }
};

// Vertical lines run from the field's top to its bottom, horizontal ones
// from its left to its right, end points excluded.
struct FieldLines {
  LineSet vertical;
  LineSet horizontal;
};

FieldLines gridLines(const FieldLayout& layout) {
  return {{layout.offsetX, layout.fieldRight(), layout.cellWidth},
          {layout.offsetY, layout.fieldBottom(), layout.cellHeight}};
}

// The outline of a rectangle from the field's top-left corner to its
// bottom-right corner, right and bottom edges inside it.
FieldLines frameLines(const FieldLayout& layout) {
  const int right = layout.fieldRight() - 1;
  const int bottom = layout.fieldBottom() - 1;
  return {{layout.offsetX, right, std::max(1, right - layout.offsetX)},
          {layout.offsetY, bottom, std::max(1, bottom - layout.offsetY)}};
}

// The background with the lines over it, one row at a time: the rows that
// cross the field are copies of one prepared row holding the vertical lines.
void drawBackgroundAndLines(PixelArea& pixels, const FieldLayout& layout, const FieldLines& lines) {
  std::vector<QRgb> fieldRow(pixels.width(), palette::background);
  for (int x = lines.vertical.firstFrom(pixels.left());
       x < pixels.right() && x <= lines.vertical.last; x += lines.vertical.step) {
    fieldRow[x - pixels.left()] = palette::line;
  }
  for (int y = pixels.top(); y < pixels.bottom(); ++y) {
    QRgb* row = pixels.row(y) + pixels.left();
    if (y >= layout.offsetY && y < layout.fieldBottom()) {
      std::copy(fieldRow.begin(), fieldRow.end(), row);
    } else {
      std::fill_n(row, pixels.width(), palette::background);
    }
    if (lines.horizontal.contains(y)) {
      pixels.fill(layout.offsetX, y, layout.fieldRight(), y + 1, palette::line);
    }
  }
}

// A fill without outline covers one pixel less than the cell pitch, which
// leaves the grid lines on the right and bottom free. Cells outside the area
// are passed over before their colour is looked at.
void drawCells(PixelArea& pixels, const CellGrid& cells, const FieldLayout& layout,
               bool previewMarks) {
  const int width = layout.cellWidth - 1;
  const int height = layout.cellHeight - 1;
  if (width <= 0 || height <= 0) {
    return;
  }
  const FieldSize size = FieldSize{layout.columns, layout.rows}.clamped();
  for (int y = 0; y < size.rows; ++y) {
    for (int x = 0; x < size.columns; ++x) {
      const Cell& cell = cells.at(x, y);
      if (!pixels.meets(cell.pixelX, cell.pixelY, width, height)) {
        continue;
      }
      const QRgb colour =
          previewMarks ? palette::cellColour(cell) : palette::stateColour(cell.state);
      if (colour != palette::notDrawn) {
        pixels.fill(cell.pixelX, cell.pixelY, cell.pixelX + width, cell.pixelY + height, colour);
      }
    }
  }
}

void drawOutline(PixelArea& pixels, const QRect& frame, QRgb colour) {
  const int left = frame.left();
  const int top = frame.top();
  const int right = left + frame.width();
  const int bottom = top + frame.height();
  pixels.fill(left, top, right, top + 1, colour);
  pixels.fill(left, bottom - 1, right, bottom, colour);
  pixels.fill(left, top, left + 1, bottom, colour);
  pixels.fill(right - 1, top, right, bottom, colour);
}

}  // namespace

void renderField(QImage& image, const QRect& area, const CellGrid& cells, const FieldLayout& layout,
                 const FieldDecoration& decoration) {
  const QRect clip = area & image.rect();
  if (clip.isEmpty()) {
    return;
  }
  PixelArea pixels(image, clip);
  if (layout.cellWidth <= 0 || layout.cellHeight <= 0) {
    pixels.fill(pixels.left(), pixels.top(), pixels.right(), pixels.bottom(), palette::background);
    return;
  }
  drawBackgroundAndLines(pixels, layout,
                         decoration.gridLines ? gridLines(layout) : frameLines(layout));
  drawCells(pixels, cells, layout, decoration.previewMarks);
  if (decoration.hoverFrame) {
    drawOutline(pixels, *decoration.hoverFrame, palette::hoverFrame);
  }
}

}  // namespace orvalis
