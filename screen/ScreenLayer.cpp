#include "screen/ScreenLayer.h"

#include <cstdlib>

namespace orvalis {

void ScreenLayer::createBackBuffer(QSize size) {
  backBuffer_ = QImage(size, QImage::Format_RGB32);
  backBuffer_.fill(qRgb(255, 255, 255));
}

void ScreenLayer::clearBackBuffer(QRgb colour) {
  backBuffer_.fill(colour);
}

void ScreenLayer::beginDrawing() {
  colour_ = qRgb(0, 0, 0);
  outline_ = false;
  if (backBuffer_.isNull()) {
    return;
  }
  // An RGB32 image holds one QRgb a pixel; lines are 4-byte aligned.
  pixels_ = reinterpret_cast<QRgb*>(backBuffer_.bits());
  pixelsPerLine_ = backBuffer_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
  bufferWidth_ = backBuffer_.width();
  bufferHeight_ = backBuffer_.height();
}

void ScreenLayer::endDrawing() {
  pixels_ = nullptr;
  bufferWidth_ = bufferHeight_ = 0;
}

void ScreenLayer::setPixel(int x, int y) {
  if (x >= 0 && x < bufferWidth_ && y >= 0 && y < bufferHeight_) {
    pixels_[static_cast<qsizetype>(y) * pixelsPerLine_ + x] = colour_;
  }
}

void ScreenLayer::drawLine(int x1, int y1, int x2, int y2) {
  // Straight lines are boxes one pixel wide.
  if (y1 == y2) {
    fillBox(std::min(x1, x2), y1, std::abs(x2 - x1) + 1, 1);
    return;
  }
  if (x1 == x2) {
    fillBox(x1, std::min(y1, y2), 1, std::abs(y2 - y1) + 1);
    return;
  }
  const int dx = std::abs(x2 - x1);
  const int dy = -std::abs(y2 - y1);
  const int stepX = x1 < x2 ? 1 : -1;
  const int stepY = y1 < y2 ? 1 : -1;
  int error = dx + dy;
  for (int x = x1, y = y1;;) {
    setPixel(x, y);
    if (x == x2 && y == y2) {
      return;
    }
    const int doubled = 2 * error;
    if (doubled >= dy) {
      error += dy;
      x += stepX;
    }
    if (doubled <= dx) {
      error += dx;
      y += stepY;
    }
  }
}

void ScreenLayer::drawOutline(int x, int y, int width, int height) {
  if (width <= 0 || height <= 0) {
    return;
  }
  fillBox(x, y, width, 1);
  fillBox(x, y + height - 1, width, 1);
  fillBox(x, y, 1, height);
  fillBox(x + width - 1, y, 1, height);
}

}  // namespace orvalis
