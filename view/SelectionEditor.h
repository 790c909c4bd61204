#pragma once

#include <QPoint>
#include <QRect>
#include <functional>
#include <optional>

#include "engine/CellBlock.h"
#include "view/FieldLayout.h"

namespace orvalis {

// A pattern that follows the pointer until it is placed: pasted from the
// clipboard, or a selection lifted off the field to be moved.
struct FloatingPattern {
  CellBlock block;
  int x = 0;  // top-left cell
  int y = 0;
  PasteMode mode = PasteMode::Or;
  // Where a moved selection was lifted from; a cancel puts it back there.
  std::optional<CellRect> liftedFrom;
};

// The ways a block is turned, on the field or while it floats.
enum class BlockTurn { FlipLeftRight, FlipTopBottom, RotateClockwise, RotateAnticlockwise };
CellBlock turnedBlock(const CellBlock& block, BlockTurn turn);
// Where the turned block of `rect` lies: the same centre.
CellRect turnedRect(CellRect rect, BlockTurn turn);

// The selection and the floating pattern of the field view. A Shift drag
// draws the selection, cell by cell; started inside the selection it lifts
// the selected cells and moves them, placed where the button is released. A
// floating pattern stays whole inside the visible field.
class SelectionEditor {
 public:
  // `repaint` is asked for every client rectangle that changed.
  SelectionEditor(LifeField& field, const FieldLayout& layout,
                  std::function<void(const QRect&)> repaint);

  const std::optional<CellRect>& selection() const { return selection_; }
  const std::optional<FloatingPattern>& floating() const { return floating_; }
  bool isDragging() const { return drag_ != Drag::None; }

  void setSelection(std::optional<CellRect> selection);
  // A Shift press with the left button.
  void startShiftDrag(QPoint pointer);
  // Extends the selection or moves the floating pattern.
  void pointerMoved(QPoint pointer);
  // The pointer left the view: a pattern pasted now starts in the centre.
  void pointerLeft();
  // The release of the button; returns whether cells changed (a move).
  bool endDrag();

  // A pattern to place, centred under the pointer, or in the field's centre
  // while the pointer is off the field.
  void startFloating(CellBlock block, PasteMode mode);
  // Places the floating pattern where it is and selects it.
  void placeFloating();
  // Drops the floating pattern; a lifted selection goes back to its place.
  void cancelFloating();
  void turnFloating(BlockTurn turn);
  void setPasteMode(PasteMode mode);

  // The client pixels of a rectangle of cells, frame included.
  QRect pixelArea(CellRect rect) const;

 private:
  enum class Drag { None, Select, Move };
  FieldSize visibleSize() const { return FieldSize{layout_.columns, layout_.rows}.clamped(); }
  std::optional<QPoint> cellAt(QPoint pointer) const;
  // The top-left nearest to (x, y) that keeps the floating pattern inside.
  QPoint insideField(int x, int y) const;
  void moveFloatingTo(int x, int y);
  void repaintFloating();

  LifeField& field_;
  const FieldLayout& layout_;
  std::function<void(const QRect&)> repaint_;
  std::optional<CellRect> selection_;
  std::optional<FloatingPattern> floating_;
  Drag drag_ = Drag::None;
  QPoint anchor_;  // the cell a selection drag started in
  QPoint grab_;    // the pointer's cell within a moved block
  QPoint lastPointer_{-1, -1};
};

}  // namespace orvalis
