#pragma once

#include <QImage>
#include <QRect>
#include <optional>

#include "engine/CellGrid.h"
#include "view/FieldLayout.h"

namespace orvalis {

// What is drawn over and around the cells.
struct FieldDecoration {
  bool gridLines = false;           // else one frame around the field
  std::optional<QRect> hoverFrame;  // red outline of the cell under the pointer
  bool previewMarks = true;         // else the cells show their state alone
};

// Draws the field into the part `area` of `image` (Format_RGB32), from the
// background up: background, grid lines or frame, the cells at their stored
// positions in rows-outer order, the hover frame. At cell size 0 the area
// shows only the background. Pixels outside `area` are left as they are.
void renderField(QImage& image, const QRect& area, const CellGrid& cells, const FieldLayout& layout,
                 const FieldDecoration& decoration);

}  // namespace orvalis
