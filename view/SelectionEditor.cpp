#include "view/SelectionEditor.h"

#include <algorithm>
#include <utility>

namespace orvalis {
namespace {

int floorDivision(int value, int divisor) {
  const int quotient = value / divisor;
  return quotient * divisor > value ? quotient - 1 : quotient;
}

bool isRotation(BlockTurn turn) {
  return turn == BlockTurn::RotateClockwise || turn == BlockTurn::RotateAnticlockwise;
}

// Room above a floating pattern for the name of its paste mode.
constexpr int labelRoom = 18;

}  // namespace

CellBlock turnedBlock(const CellBlock& block, BlockTurn turn) {
  switch (turn) {
    case BlockTurn::FlipLeftRight:
      return flippedLeftRight(block);
    case BlockTurn::FlipTopBottom:
      return flippedTopBottom(block);
    case BlockTurn::RotateClockwise:
      return rotatedClockwise(block);
    case BlockTurn::RotateAnticlockwise:
      break;
  }
  return rotatedAnticlockwise(block);
}

// Halving the difference toward zero makes a second turn undo the first
// turn's move exactly, also for an odd difference.
CellRect turnedRect(CellRect rect, BlockTurn turn) {
  if (!isRotation(turn)) {
    return rect;
  }
  const int difference = rect.width - rect.height;
  return {rect.x + difference / 2, rect.y - difference / 2, rect.height, rect.width};
}

SelectionEditor::SelectionEditor(LifeField& field, const FieldLayout& layout,
                                 std::function<void(const QRect&)> repaint)
    : field_(field), layout_(layout), repaint_(std::move(repaint)) {}

QRect SelectionEditor::pixelArea(CellRect rect) const {
  return QRect(layout_.cellLeft(rect.x), layout_.cellTop(rect.y),
               rect.width * layout_.cellWidth + 1, rect.height * layout_.cellHeight + 1);
}

void SelectionEditor::setSelection(std::optional<CellRect> selection) {
  if (selection_) {
    repaint_(pixelArea(*selection_));
  }
  selection_ = selection;
  if (selection_) {
    repaint_(pixelArea(*selection_));
  }
}

// The cell under the pointer, or the nearest one of the visible field.
std::optional<QPoint> SelectionEditor::cellAt(QPoint pointer) const {
  if (layout_.cellWidth <= 0 || layout_.cellHeight <= 0) {
    return std::nullopt;
  }
  const FieldSize size = visibleSize();
  const int column = floorDivision(pointer.x() - layout_.offsetX, layout_.cellWidth);
  const int row = floorDivision(pointer.y() - layout_.offsetY, layout_.cellHeight);
  return QPoint(std::clamp(column, 0, size.columns - 1), std::clamp(row, 0, size.rows - 1));
}

void SelectionEditor::pointerLeft() {
  lastPointer_ = QPoint(-1, -1);
}

void SelectionEditor::startShiftDrag(QPoint pointer) {
  lastPointer_ = pointer;
  const auto cell = cellAt(pointer);
  if (!cell || floating_) {
    return;
  }
  if (selection_ && selection_->contains(cell->x(), cell->y())) {
    const CellRect lifted = *selection_;
    CellBlock block = copyBlock(field_.cells, lifted);
    clearInside(field_, visibleSize(), lifted);
    repaint_(pixelArea(lifted));
    setSelection(std::nullopt);
    floating_ = FloatingPattern{std::move(block), lifted.x, lifted.y, PasteMode::Copy, lifted};
    grab_ = QPoint(cell->x() - lifted.x, cell->y() - lifted.y);
    drag_ = Drag::Move;
    repaintFloating();
    return;
  }
  anchor_ = *cell;
  drag_ = Drag::Select;
  setSelection(CellRect{cell->x(), cell->y(), 1, 1});
}

void SelectionEditor::pointerMoved(QPoint pointer) {
  lastPointer_ = pointer;
  const auto cell = cellAt(pointer);
  if (!cell) {
    return;
  }
  if (floating_) {
    moveFloatingTo(cell->x() - grab_.x(), cell->y() - grab_.y());
  } else if (drag_ == Drag::Select) {
    const int left = std::min(anchor_.x(), cell->x());
    const int top = std::min(anchor_.y(), cell->y());
    const CellRect rect{left, top, std::abs(anchor_.x() - cell->x()) + 1,
                        std::abs(anchor_.y() - cell->y()) + 1};
    if (rect != selection_) {
      setSelection(rect);
    }
  }
}

bool SelectionEditor::endDrag() {
  const Drag ended = std::exchange(drag_, Drag::None);
  if (ended == Drag::Move && floating_) {
    placeFloating();
    return true;
  }
  return false;
}

void SelectionEditor::startFloating(CellBlock block, PasteMode mode) {
  cancelFloating();
  const FieldSize size = visibleSize();
  QPoint centre(size.columns / 2, size.rows / 2);
  if (layout_.containsPixel(lastPointer_.x(), lastPointer_.y())) {
    centre = *cellAt(lastPointer_);
  }
  grab_ = QPoint(block.width / 2, block.height / 2);
  floating_ = FloatingPattern{std::move(block), 0, 0, mode, std::nullopt};
  const QPoint place = insideField(centre.x() - grab_.x(), centre.y() - grab_.y());
  floating_->x = place.x();
  floating_->y = place.y();
  repaintFloating();
}

QPoint SelectionEditor::insideField(int x, int y) const {
  const FieldSize size = visibleSize();
  return {std::clamp(x, 0, std::max(size.columns - floating_->block.width, 0)),
          std::clamp(y, 0, std::max(size.rows - floating_->block.height, 0))};
}

void SelectionEditor::moveFloatingTo(int x, int y) {
  const QPoint place = insideField(x, y);
  if (place != QPoint(floating_->x, floating_->y)) {
    repaintFloating();
    floating_->x = place.x();
    floating_->y = place.y();
    repaintFloating();
  }
}

void SelectionEditor::repaintFloating() {
  if (floating_) {
    const CellRect rect{floating_->x, floating_->y, floating_->block.width,
                        floating_->block.height};
    repaint_(pixelArea(rect).adjusted(0, -labelRoom, 0, 0));
  }
}

void SelectionEditor::placeFloating() {
  if (!floating_) {
    return;
  }
  const FloatingPattern placed = std::move(*floating_);
  floating_.reset();
  drag_ = Drag::None;
  const CellRect rect{placed.x, placed.y, placed.block.width, placed.block.height};
  placeBlock(field_, visibleSize(), placed.block, placed.x, placed.y, placed.mode);
  repaint_(pixelArea(rect).adjusted(0, -labelRoom, 0, 0));
  setSelection(rect.clippedTo(visibleSize()));
}

void SelectionEditor::cancelFloating() {
  if (!floating_) {
    return;
  }
  if (floating_->liftedFrom) {
    floating_->x = floating_->liftedFrom->x;
    floating_->y = floating_->liftedFrom->y;
    placeFloating();
    return;
  }
  repaintFloating();
  floating_.reset();
  drag_ = Drag::None;
}

void SelectionEditor::turnFloating(BlockTurn turn) {
  if (!floating_) {
    return;
  }
  repaintFloating();
  const CellRect rect = turnedRect(
      {floating_->x, floating_->y, floating_->block.width, floating_->block.height}, turn);
  floating_->block = turnedBlock(floating_->block, turn);
  if (isRotation(turn)) {
    grab_ = QPoint(grab_.y(), grab_.x());
  }
  const QPoint place = insideField(rect.x, rect.y);
  floating_->x = place.x();
  floating_->y = place.y();
  repaintFloating();
}

void SelectionEditor::setPasteMode(PasteMode mode) {
  if (floating_ && floating_->mode != mode) {
    floating_->mode = mode;
    repaintFloating();
  }
}

}  // namespace orvalis
