#pragma once

#include <QPoint>
#include <QRect>
#include <functional>
#include <optional>

#include "engine/CellGrid.h"
#include "view/FieldLayout.h"

namespace orvalis {

enum class DragMode { None, Paint, Erase };

// Drawing cells with the mouse: a drag paints (left button) or erases (right
// button) every cell that the pointer is reported over, and the cell under
// the pointer is marked by the hover frame. The first edit after a step
// makes the field as it stands the remembered field and drops the preview.
// Each edit keeps the field's population right; the generation stays.
class MouseEditor {
 public:
  // `repaint` is asked for every client rectangle that changed.
  MouseEditor(LifeField& field, const FieldLayout& layout,
              std::function<void(const QRect&)> repaint);

  // A left press paints `kind`, a right press erases, both starting with the
  // cell under the pointer. While the simulation runs a press only ends any
  // drag.
  void startPainting(QPoint pointer, CellState kind, bool simulationRunning);
  void startErasing(QPoint pointer, bool simulationRunning);
  // The release of either button ends either drag.
  void endDrag() { dragMode_ = DragMode::None; }
  void pointerMoved(QPoint pointer);
  // The pointer left the view without a move outside the field.
  void pointerLeft();

  DragMode dragMode() const { return dragMode_; }
  // The frame around the cell under the last pointer position, in the
  // current layout; nothing while the pointer is off the field.
  std::optional<QRect> hoverFrame() const;

 private:
  void startDrag(QPoint pointer, DragMode mode, bool simulationRunning);
  void enterCell(int column, int row);

  LifeField& field_;
  const FieldLayout& layout_;
  std::function<void(const QRect&)> repaint_;
  DragMode dragMode_ = DragMode::None;
  CellState paintState_ = CellState::Alive;
  QPoint lastPointer_;
  QPoint lastCell_;  // top-left pixel of the cell handled last
  bool hoverActive_ = false;
  QRect hoverRect_;
};

}  // namespace orvalis
