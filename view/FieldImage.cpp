#include "view/FieldImage.h"

#include "view/FieldPalette.h"
#include "view/FieldRenderer.h"

namespace orvalis {

QRect fieldArea(const FieldLayout& layout, bool gridLines) {
  const int line = gridLines ? 1 : 0;
  const QRect field(layout.offsetX, layout.offsetY, layout.cellWidth * layout.columns + line,
                    layout.cellHeight * layout.rows + line);
  return field & QRect(0, 0, layout.clientWidth, layout.clientHeight);
}

FieldLayout pictureLayout(FieldSize size, int cellSize, bool gridLines) {
  size = size.clamped();
  FieldLayout layout;
  layout.columns = size.columns;
  layout.rows = size.rows;
  layout.cellWidth = layout.cellHeight = cellSize;
  const int line = gridLines ? 1 : 0;
  layout.clientWidth = size.columns * cellSize + line;
  layout.clientHeight = size.rows * cellSize + line;
  return layout;
}

QImage fieldImage(const CellGrid& cells, const FieldLayout& layout, const FieldImageStyle& style) {
  const QRect area = fieldArea(layout, style.gridLines);
  if (layout.cellWidth <= 0 || layout.cellHeight <= 0 || area.isEmpty()) {
    return {};
  }
  // The renderer draws at the view's coordinates, so the picture starts at
  // the client area's corner and loses the margin afterwards.
  QImage image(area.right() + 1, area.bottom() + 1, QImage::Format_RGB32);
  if (image.isNull()) {
    return {};
  }
  FieldDecoration decoration;
  decoration.gridLines = style.gridLines;
  decoration.previewMarks = style.previewMarks;
  renderField(image, area, cells, layout, decoration);
  return area.topLeft().isNull() ? image : image.copy(area);
}

QImage cellPixelImage(const CellGrid& cells, FieldSize size, bool previewMarks) {
  size = size.clamped();
  QImage image(size.columns, size.rows, QImage::Format_RGB32);
  if (image.isNull()) {
    return {};
  }
  for (int y = 0; y < size.rows; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < size.columns; ++x) {
      const Cell& cell = cells.at(x, y);
      const QRgb colour =
          previewMarks ? palette::cellColour(cell) : palette::stateColour(cell.state);
      row[x] = colour != palette::notDrawn ? colour : palette::background;
    }
  }
  return image;
}

}  // namespace orvalis
