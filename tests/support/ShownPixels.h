#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QScreen>
#include <QWidget>

namespace orvalis::test {

// Lets queued updates reach Qt and Qt paint them.
inline void settlePaints() {
  for (int round = 0; round < 3; ++round) {
    QCoreApplication::processEvents();
  }
}

// What the window really shows, as painted step by step (not a fresh paint).
inline QImage shownPixels(QWidget& widget) {
  return widget.screen()
      ->grabWindow(widget.winId())
      .toImage()
      .convertToFormat(QImage::Format_RGB32);
}

}  // namespace orvalis::test
