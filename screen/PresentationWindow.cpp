#include "screen/PresentationWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>

#include "screen/ScanCodes.h"

namespace orvalis {

PresentationWindow::PresentationWindow(const QImage& frame, KeyboardState& keyboard)
    : QWidget(nullptr, Qt::Window), frame_(frame), keyboard_(keyboard) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setCursor(Qt::BlankCursor);
  setFocusPolicy(Qt::StrongFocus);
}

void PresentationWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QSize frameSize = frame_.deviceIndependentSize().toSize();
  if (frameSize == size()) {
    painter.drawImage(0, 0, frame_);
    return;
  }
  // A window smaller than the screen shows the whole picture, scaled down.
  painter.fillRect(rect(), Qt::white);
  QRect target(QPoint(), frameSize.scaled(size(), Qt::KeepAspectRatio));
  target.moveCenter(rect().center());
  painter.drawImage(target, frame_);
}

// The time stamps let the keyboard state tell the keyboard's own
// repetition of a held key where the window system cannot flag it.
void PresentationWindow::keyPressEvent(QKeyEvent* event) {
  keyboard_.press(scanCodeOf(*event), static_cast<long long>(event->timestamp()),
                  event->isAutoRepeat());
}

void PresentationWindow::keyReleaseEvent(QKeyEvent* event) {
  keyboard_.release(scanCodeOf(*event), static_cast<long long>(event->timestamp()),
                    event->isAutoRepeat());
}

// Keys let go in another window never reach this one.
void PresentationWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
    keyboard_.releaseAll();
  }
  QWidget::changeEvent(event);
}

// The presentation ends with Escape only.
void PresentationWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
}

}  // namespace orvalis
