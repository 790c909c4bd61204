#pragma once

#include <QImage>
#include <QRect>

#include "engine/CellGrid.h"
#include "view/FieldLayout.h"

namespace orvalis {

// How a picture of the field looks: grid lines or the frame, and whether
// the coming births and deaths show.
struct FieldImageStyle {
  bool gridLines = false;
  bool previewMarks = true;
};

// The part of the view with `layout` that shows the field: from its
// top-left corner to the right and bottom edges of the frame, or with grid
// lines one pixel further, to the last lines, as far as the client area
// reaches.
QRect fieldArea(const FieldLayout& layout, bool gridLines);

// A layout in which the field fills the picture: no margin, square cells
// of `cellSize` pixels.
FieldLayout pictureLayout(FieldSize size, int cellSize, bool gridLines);

// The field as the view with `layout` paints it, cut to fieldArea, without
// the frame under the pointer; the cells at the positions stored in them.
// A null image when the cells have no size.
QImage fieldImage(const CellGrid& cells, const FieldLayout& layout, const FieldImageStyle& style);

// The field at one pixel a cell, where the view's gap between cells leaves
// nothing: each pixel in its cell's colour, without lines or frame.
QImage cellPixelImage(const CellGrid& cells, FieldSize size, bool previewMarks);

}  // namespace orvalis
