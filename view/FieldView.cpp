#include "view/FieldView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtMath>
#include <algorithm>

#include "view/FieldRenderer.h"
#include "view/SelectionOverlay.h"

namespace orvalis {

namespace {

QPoint clientPixel(const QMouseEvent* event) {
  return {qFloor(event->position().x()), qFloor(event->position().y())};
}

}  // namespace

FieldView::FieldView(LifeField& field, QWidget* parent)
    : QWidget(parent),
      field_(field),
      editor_(field, layout_, [this](const QRect& area) { markDirty(area); }),
      selection_(field, layout_, [this](const QRect& area) { markDirty(area); }) {
  setWindowTitle(QStringLiteral("Orvalis V2.0"));
  QPalette background = palette();
  background.setColor(QPalette::Window, Qt::white);
  setPalette(background);
  // Every paint covers its whole area from the back buffer.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  layOut();
  setMinimumSize(2 * layout_.columns, 2 * layout_.rows);
  writeCellPositions(field_.cells, layout_);
}

// The client size is read from the widget, which knows a new size before
// its resize event arrives.
void FieldView::layOut() {
  layout_.clientWidth = width();
  layout_.clientHeight = height();
  layout_.compute();
  setAccessibleDescription(QStringLiteral("Feld %1 × %2").arg(layout_.columns).arg(layout_.rows));
}

void FieldView::setFieldSize(int columns, int rows) {
  const FieldSize size = FieldSize{columns, rows}.clamped();
  layout_.columns = size.columns;
  layout_.rows = size.rows;
  layOut();
  // The window never grows smaller than 2 pixels a cell; the new minimum
  // holds from the next resize on.
  setMinimumSize(2 * size.columns, 2 * size.rows);
  const QSize needed(std::max(layout_.clientWidth, 2 * size.columns),
                     std::max(layout_.clientHeight, 2 * size.rows));
  if (needed != QSize(layout_.clientWidth, layout_.clientHeight)) {
    resize(needed);
    layOut();
  }
  writeCellPositions(field_.cells, layout_);
  invalidateAll();
}

void FieldView::middleButton() {
  if (settings_->gadgetValue(GadgetId::HideCheck) != 0 && restoreHandler_) {
    restoreHandler_();
  }
}

void FieldView::invalidateCell(int x, int y, bool) {
  const Cell& cell = field_.cells.at(x, y);
  dirty_.add(cell.pixelX, cell.pixelY, layout_.cellWidth, layout_.cellHeight);
  scheduleFlush();
}

void FieldView::invalidateAll() {
  markDirty(rect());
}

void FieldView::markDirty(const QRect& area) {
  dirty_.add(area);
  scheduleFlush();
}

// Qt learns of the dirty area once, after the command that caused it has
// returned: a generation step reports up to 250,000 cells, far too many for
// one update request each.
void FieldView::scheduleFlush() {
  if (!flushQueued_) {
    flushQueued_ = true;
    QMetaObject::invokeMethod(
        this, [this] { flushDirtyArea(); }, Qt::QueuedConnection);
  }
}

void FieldView::flushDirtyArea() {
  flushQueued_ = false;
  if (!dirty_.isEmpty()) {
    update(dirty_.bounds());
    dirty_.clear();
  }
}

bool FieldView::simulationRunning() const {
  return settings_->gadgetValue(GadgetId::StartToggle) != 0;
}

CellState FieldView::drawingKind() const {
  if (settings_->gadgetValue(GadgetId::NormalOption) != 0) {
    return CellState::Alive;
  }
  if (settings_->gadgetValue(GadgetId::StaticOption) != 0) {
    return CellState::Static;
  }
  if (settings_->gadgetValue(GadgetId::BlockedOption) != 0) {
    return CellState::Blocked;
  }
  return CellState::Alive;
}

void FieldView::resizeEvent(QResizeEvent*) {
  layOut();
  writeCellPositions(field_.cells, layout_);
  invalidateAll();
}

void FieldView::paintEvent(QPaintEvent* event) {
  const QRect area = event->rect();
  if (backBuffer_.size() != size()) {
    backBuffer_ = QImage(size(), QImage::Format_RGB32);
  }
  FieldDecoration decoration{settings_->gadgetValue(GadgetId::GridCheck) != 0, std::nullopt};
  if (!simulationRunning()) {
    decoration.hoverFrame = editor_.hoverFrame();
  }
  renderField(backBuffer_, area, field_.cells, layout_, decoration);
  paintSelectionOverlay(backBuffer_, area, layout_, selection_.selection(), selection_.floating());
  QPainter(this).drawImage(area.topLeft(), backBuffer_, area);
}

void FieldView::mousePressEvent(QMouseEvent* event) {
  const QPoint pointer = clientPixel(event);
  if (pressWhileFloating(event)) {
    return;
  }
  const bool plain = !event->modifiers().testFlag(Qt::ShiftModifier);
  switch (event->button()) {
    case Qt::LeftButton:
      if (!plain && !simulationRunning()) {
        selection_.startShiftDrag(pointer);
        break;
      }
      selection_.setSelection(std::nullopt);
      editor_.startPainting(pointer, drawingKind(), simulationRunning());
      break;
    case Qt::RightButton:
      selection_.setSelection(std::nullopt);
      editor_.startErasing(pointer, simulationRunning());
      break;
    case Qt::MiddleButton:
      middleButton();
      break;
    default:
      break;
  }
  reportDrag();
}

bool FieldView::pressWhileFloating(QMouseEvent* event) {
  if (!selection_.floating()) {
    return false;
  }
  if (event->button() == Qt::LeftButton) {
    selection_.pointerMoved(clientPixel(event));
    selection_.placeFloating();
    reportEditDone();
    return true;
  }
  if (event->button() == Qt::RightButton) {
    selection_.cancelFloating();
    reportEditDone();
    return true;
  }
  return false;
}

void FieldView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) {
    return;
  }
  const bool stroke = editor_.dragMode() != DragMode::None;
  editor_.endDrag();
  if (selection_.endDrag() || stroke) {
    reportEditDone();
  }
}

void FieldView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pointer = clientPixel(event);
  selection_.pointerMoved(pointer);
  editor_.pointerMoved(pointer);
  reportDrag();
}

void FieldView::reportDrag() {
  if (editor_.dragMode() != DragMode::None && editHandler_) {
    editHandler_();
  }
}

void FieldView::reportEditDone() {
  if (editDoneHandler_) {
    editDoneHandler_();
  }
}

void FieldView::leaveEvent(QEvent*) {
  editor_.pointerLeft();
  selection_.pointerLeft();
}

}  // namespace orvalis
