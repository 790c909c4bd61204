#pragma once

#include <QSize>
#include <QWidget>
#include <functional>

#include "engine/CellGrid.h"
#include "engine/Gadgets.h"
#include "engine/InvalidationSink.h"
#include "view/FieldLayout.h"

namespace orvalis {

// The main window's client area: the visible field, centred with square
// cells, repainted where the engine and the editing commands invalidate it.
class FieldView : public QWidget, public InvalidationSink {
 public:
  explicit FieldView(LifeField& field, QWidget* parent = nullptr);

  // The settings the view reads when it paints and edits (the panel).
  void attachSettings(GadgetAccess& settings) { settings_ = &settings; }

  // The size gadgets changed: lay out anew, widen or heighten the window so
  // that every cell keeps at least 2 pixels, repaint everything.
  void setFieldSize(int columns, int rows);
  // Takes the size from the gadgets and lays out, without repainting.
  void relayoutFromControls();

  QSize queryClientSize() const { return {layout_.clientWidth, layout_.clientHeight}; }
  QSize queryCellSize() const { return {layout_.cellWidth, layout_.cellHeight}; }
  const FieldLayout& fieldLayout() const { return layout_; }

  void invalidateCell(int x, int y, bool erase) override;
  void invalidateAll() override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void layOut();

  LifeField& field_;
  GadgetAccess* settings_ = nullptr;
  FieldLayout layout_;
};

}  // namespace orvalis
