#include "view/MouseEditor.h"

#include <utility>

#include "engine/CellBlock.h"

namespace orvalis {

MouseEditor::MouseEditor(LifeField& field, const FieldLayout& layout,
                         std::function<void(const QRect&)> repaint)
    : field_(field), layout_(layout), repaint_(std::move(repaint)) {}

void MouseEditor::startPainting(QPoint pointer, CellState kind, bool simulationRunning) {
  paintState_ = kind;
  startDrag(pointer, DragMode::Paint, simulationRunning);
}

void MouseEditor::startErasing(QPoint pointer, bool simulationRunning) {
  startDrag(pointer, DragMode::Erase, simulationRunning);
}

void MouseEditor::startDrag(QPoint pointer, DragMode mode, bool simulationRunning) {
  if (simulationRunning) {
    dragMode_ = DragMode::None;
    return;
  }
  dragMode_ = mode;
  // Forgetting the last cell makes the cell under the pointer count as new.
  lastCell_ = QPoint(-1, -1);
  pointerMoved(pointer);
}

void MouseEditor::pointerMoved(QPoint pointer) {
  lastPointer_ = pointer;
  if (!layout_.containsPixel(pointer.x(), pointer.y())) {
    pointerLeft();
    return;
  }
  const int column = layout_.columnAt(pointer.x());
  const int row = layout_.rowAt(pointer.y());
  const QPoint cell(layout_.cellLeft(column), layout_.cellTop(row));
  if (cell != lastCell_ || !hoverActive_) {
    hoverActive_ = true;
    enterCell(column, row);
    const QRect cellRect(cell, QSize(layout_.cellWidth, layout_.cellHeight));
    repaint_(cellRect);
    repaint_(hoverRect_);
    hoverRect_ = cellRect;
    lastCell_ = cell;
  }
}

void MouseEditor::pointerLeft() {
  if (hoverActive_) {
    hoverActive_ = false;
    repaint_(hoverRect_);
  }
}

// The first edit after a step makes "Zurück" return to the field as it was
// drawn, and no stale preview is shown over the edited field.
void MouseEditor::enterCell(int column, int row) {
  if (dragMode_ == DragMode::None) {
    return;
  }
  if (startEditing(field_, FieldSize{layout_.columns, layout_.rows})) {
    repaint_(QRect(0, 0, layout_.clientWidth, layout_.clientHeight));
  }
  editCell(field_, column, row, dragMode_ == DragMode::Paint ? paintState_ : CellState::Dead);
}

std::optional<QRect> MouseEditor::hoverFrame() const {
  if (!hoverActive_ || layout_.cellWidth <= 0 || layout_.cellHeight <= 0) {
    return std::nullopt;
  }
  const int left = layout_.cellLeft(layout_.columnAt(lastPointer_.x()));
  const int top = layout_.cellTop(layout_.rowAt(lastPointer_.y()));
  return QRect(left, top, layout_.cellWidth, layout_.cellHeight);
}

}  // namespace orvalis
