#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QScreen>
#include <QString>
#include <QWidget>

namespace orvalis::test {

// Lets queued repaint requests reach Qt and Qt paint them.
inline void settlePaints() {
  for (int round = 0; round < 3; ++round) {
    QCoreApplication::processEvents();
  }
}

// What the window shows once the pending repaints have run: its backing
// store, painted event by event, where a missing repaint leaves old pixels.
// QWidget::grab() renders afresh and cannot see one.
inline QImage shownPixels(QWidget& window) {
  settlePaints();
  return window.screen()
      ->grabWindow(window.winId())
      .toImage()
      .convertToFormat(QImage::Format_RGB32);
}

// What a full paint of the window gives now.
inline QImage freshPixels(QWidget& window) {
  return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Empty when the window shows what a full paint gives, else where it does
// not.
inline QString staleArea(QWidget& window) {
  const QImage shown = shownPixels(window);
  const QImage fresh = freshPixels(window);
  if (shown.size() != fresh.size()) {
    return QStringLiteral("shown %1 x %2, painted %3 x %4")
        .arg(shown.width())
        .arg(shown.height())
        .arg(fresh.width())
        .arg(fresh.height());
  }
  QRect stale;
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      if (shown.pixel(x, y) != fresh.pixel(x, y)) {
        stale |= QRect(x, y, 1, 1);
      }
    }
  }
  if (stale.isNull()) {
    return {};
  }
  return QStringLiteral("stale pixels within (%1, %2) to (%3, %4)")
      .arg(stale.left())
      .arg(stale.top())
      .arg(stale.right())
      .arg(stale.bottom());
}

}  // namespace orvalis::test
