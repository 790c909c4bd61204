#pragma once

#include <QImage>
#include <QSize>
#include <QWidget>
#include <functional>

#include "engine/CellGrid.h"
#include "engine/InvalidationSink.h"
#include "settings/GadgetAccess.h"
#include "settings/SettingsRecord.h"
#include "view/DirtyArea.h"
#include "view/FieldLayout.h"
#include "view/MouseEditor.h"
#include "view/SelectionEditor.h"

namespace orvalis {

// The main window's client area: the visible field, centred with square
// cells, repainted where the engine and the editing commands invalidate it,
// and edited with the mouse.
class FieldView : public QWidget, public InvalidationSink {
 public:
  explicit FieldView(LifeField& field, QWidget* parent = nullptr);

  // The settings the view reads when it paints and edits (the panel's
  // gadgets). Until some are attached the view uses the start values.
  void attachSettings(GadgetAccess& settings) { settings_ = &settings; }
  // What the middle button runs while "Hide" is checked: bring the hidden
  // panel back and stop the simulation.
  void setRestoreHandler(std::function<void()> handler) { restoreHandler_ = std::move(handler); }
  // Told after every mouse event of a drag, which may have edited cells.
  void setEditHandler(std::function<void()> handler) { editHandler_ = std::move(handler); }
  // Told once an edit with the mouse is complete: a stroke has ended, a
  // selection was moved, a floating pattern was placed.
  void setEditDoneHandler(std::function<void()> handler) { editDoneHandler_ = std::move(handler); }

  // The selection and the floating pattern.
  SelectionEditor& selectionEditor() { return selection_; }

  // The size gadgets changed: lay out anew, widen or heighten the window so
  // that every cell keeps at least 2 pixels, repaint everything.
  void setFieldSize(int columns, int rows);

  QSize queryClientSize() const { return {layout_.clientWidth, layout_.clientHeight}; }
  QSize queryCellSize() const { return {layout_.cellWidth, layout_.cellHeight}; }
  const FieldLayout& fieldLayout() const { return layout_; }

  // A middle click, also sent by the panel's restore command.
  void middleButton();

  // The view repaints every dirty pixel from the background up, so erasing
  // is implied.
  void invalidateCell(int x, int y, bool erase) override;
  void invalidateAll() override;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void layOut();
  void markDirty(const QRect& area);
  void scheduleFlush();
  void flushDirtyArea();
  bool simulationRunning() const;
  CellState drawingKind() const;
  void reportDrag();
  void reportEditDone();
  // A press while a pattern floats: the left button places it, the right
  // button cancels it. Returns whether the press was taken.
  bool pressWhileFloating(QMouseEvent* event);

  LifeField& field_;
  SettingsRecord startSettings_;
  GadgetAccess* settings_ = &startSettings_;
  FieldLayout layout_;
  MouseEditor editor_;
  SelectionEditor selection_;
  std::function<void()> restoreHandler_;
  std::function<void()> editHandler_;
  std::function<void()> editDoneHandler_;
  DirtyArea dirty_;
  bool flushQueued_ = false;
  QImage backBuffer_;
};

}  // namespace orvalis
