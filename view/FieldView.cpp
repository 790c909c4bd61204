#include "view/FieldView.h"

#include <algorithm>

namespace orvalis {

FieldView::FieldView(LifeField& field, QWidget* parent) : QWidget(parent), field_(field) {
  setWindowTitle(QStringLiteral("Orvalis V2.0"));
  QPalette background = palette();
  background.setColor(QPalette::Window, Qt::white);
  setPalette(background);
  setAutoFillBackground(true);
  layOut();
  setMinimumSize(2 * layout_.columns, 2 * layout_.rows);
}

// The client size is read from the widget, which knows a new size before
// its resize event arrives.
void FieldView::layOut() {
  layout_.clientWidth = width();
  layout_.clientHeight = height();
  layout_.compute();
}

void FieldView::setFieldSize(int columns, int rows) {
  layout_.columns = columns;
  layout_.rows = rows;
  layOut();
  // The window never grows smaller than 2 pixels a cell; the new minimum
  // holds from the next resize on.
  setMinimumSize(2 * columns, 2 * rows);
  const QSize needed(std::max(layout_.clientWidth, 2 * columns),
                     std::max(layout_.clientHeight, 2 * rows));
  if (needed != QSize(layout_.clientWidth, layout_.clientHeight)) {
    resize(needed);
    layOut();
  }
  writeCellPositions(field_.cells, layout_);
  invalidateAll();
}

void FieldView::relayoutFromControls() {
  if (!settings_) {
    return;
  }
  layout_.columns = static_cast<int>(settings_->gadgetValue(GadgetId::SizeXSpin));
  layout_.rows = static_cast<int>(settings_->gadgetValue(GadgetId::SizeYSpin));
  layOut();
}

void FieldView::invalidateCell(int x, int y, bool) {
  const Cell& cell = field_.cells.at(x, y);
  update(cell.pixelX, cell.pixelY, layout_.cellWidth, layout_.cellHeight);
}

void FieldView::invalidateAll() {
  update();
}

void FieldView::resizeEvent(QResizeEvent*) {
  layOut();
  writeCellPositions(field_.cells, layout_);
  invalidateAll();
}

}  // namespace orvalis
