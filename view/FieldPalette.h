#pragma once

#include <QRgb>

#include "engine/CellGrid.h"

namespace orvalis::palette {

inline constexpr QRgb background = qRgb(255, 255, 255);
inline constexpr QRgb line = qRgb(0, 0, 0);  // grid lines and the field frame
inline constexpr QRgb hoverFrame = qRgb(255, 0, 0);
inline constexpr QRgb alive = qRgb(50, 50, 50);
inline constexpr QRgb birth = qRgb(220, 220, 220);
inline constexpr QRgb die = qRgb(150, 0, 0);
inline constexpr QRgb staticCell = qRgb(0, 0, 150);
inline constexpr QRgb blocked = qRgb(250, 250, 0);
// Not a colour: the cell shows the background.
inline constexpr QRgb notDrawn = 0;

// The colour of a cell by its state alone: only a positive state is drawn,
// and any positive state without a colour of its own (a raw byte from a
// Life file) looks alive.
inline QRgb stateColour(CellState state) {
  if (static_cast<std::int8_t>(state) <= 0) {
    return notDrawn;
  }
  if (state == CellState::Static) {
    return staticCell;
  }
  if (state == CellState::Blocked) {
    return blocked;
  }
  return alive;
}

// The colour of a cell between two steps: cells about to be born are drawn
// too, and the preview marks win over the state.
inline QRgb cellColour(const Cell& cell) {
  if (cell.pending == PendingMark::Birth) {
    return birth;
  }
  const QRgb colour = stateColour(cell.state);
  return colour != notDrawn && cell.pending == PendingMark::Die ? die : colour;
}

}  // namespace orvalis::palette
