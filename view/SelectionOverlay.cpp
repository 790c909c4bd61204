#include "view/SelectionOverlay.h"

#include <QPainter>

#include "view/FieldPalette.h"

namespace orvalis {
namespace {

QRect cellsArea(const FieldLayout& layout, int x, int y, int width, int height) {
  return QRect(layout.cellLeft(x), layout.cellTop(y), width * layout.cellWidth,
               height * layout.cellHeight);
}

void paintFloating(QPainter& painter, const FieldLayout& layout, const FloatingPattern& floating) {
  const CellBlock& block = floating.block;
  for (int y = 0; y < block.height; ++y) {
    for (int x = 0; x < block.width; ++x) {
      const QRgb colour = palette::stateColour(block.at(x, y));
      if (colour != palette::notDrawn) {
        QColor translucent(colour);
        translucent.setAlpha(floatingAlpha);
        painter.fillRect(
            cellsArea(layout, floating.x + x, floating.y + y, 1, 1).adjusted(1, 1, 0, 0),
            translucent);
      }
    }
  }
  const QRect frame = cellsArea(layout, floating.x, floating.y, block.width, block.height);
  painter.setPen(QPen(QColor(selectionEdge), 1, Qt::DashLine));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(frame);
  painter.setPen(QColor(selectionEdge));
  painter.drawText(frame.left(), frame.top() - 4,
                   QString::fromLatin1(pasteModeName(floating.mode)));
}

}  // namespace

const char* pasteModeName(PasteMode mode) {
  switch (mode) {
    case PasteMode::Copy:
      return "Kopie";
    case PasteMode::Xor:
      return "Xor";
    case PasteMode::Or:
      break;
  }
  return "Oder";
}

void paintSelectionOverlay(QImage& image, const QRect& area, const FieldLayout& layout,
                           const std::optional<CellRect>& selection,
                           const std::optional<FloatingPattern>& floating) {
  if ((!selection && !floating) || layout.cellWidth <= 0 || layout.cellHeight <= 0) {
    return;
  }
  QPainter painter(&image);
  painter.setClipRect(area);
  if (selection) {
    const QRect rect =
        cellsArea(layout, selection->x, selection->y, selection->width, selection->height);
    painter.fillRect(rect.adjusted(1, 1, 0, 0), QColor::fromRgba(selectionTint));
    painter.setPen(QColor(selectionEdge));
    painter.drawRect(rect);
  }
  if (floating) {
    paintFloating(painter, layout, *floating);
  }
}

}  // namespace orvalis
