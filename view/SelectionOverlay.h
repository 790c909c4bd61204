#pragma once

#include <QImage>
#include <QRect>
#include <optional>

#include "view/FieldLayout.h"
#include "view/SelectionEditor.h"

namespace orvalis {

// The selection's and the floating pattern's colours: translucent, so that
// the cells below show through, and unlike any cell of the palette.
inline constexpr QRgb selectionTint = qRgba(40, 120, 230, 64);
inline constexpr QRgb selectionEdge = qRgb(40, 120, 230);
inline constexpr int floatingAlpha = 150;

// The paste mode as the floating pattern's label names it.
const char* pasteModeName(PasteMode mode);

// Draws the selection and the floating pattern over the rendered field in
// the part `area` of `image`: the selection as a tinted rectangle, the
// floating pattern's cells translucent in their colours within a frame,
// with its paste mode above.
void paintSelectionOverlay(QImage& image, const QRect& area, const FieldLayout& layout,
                           const std::optional<CellRect>& selection,
                           const std::optional<FloatingPattern>& floating);

}  // namespace orvalis
