#pragma once

#include <QImage>
#include <QRgb>
#include <QSize>
#include <QString>
#include <algorithm>

#include "screen/KeyboardState.h"

namespace orvalis {

// The full-screen graphics and keyboard layer of the presentation. Drawing
// goes into a 32-bit back buffer held here, which every implementation shows
// in its own way; keys are tracked by PC scan code (screen/ScanCodes.h).
class ScreenLayer {
 public:
  virtual ~ScreenLayer() = default;

  // The primary display's size in pixels.
  virtual QSize primaryScreenSize() const = 0;
  // Milliseconds of a monotonic clock.
  virtual long long tickCount() const = 0;

  // Covers the screen with a borderless window bearing `title`, hides the
  // pointer and sets up a back buffer of width x height pixels. Reports
  // whether the window really covers the screen alone.
  virtual bool enterFullScreen(int width, int height, int bitsPerPixel, const QString& title) = 0;
  // Hands pending events of the program's windows on, without waiting;
  // reports whether there were any.
  virtual bool processWindowEvents() = 0;
  // Shows the back buffer, paced to the display's refresh; returns at once
  // while the presentation window is not active.
  virtual void presentFrame() = 0;
  // Takes the snapshot of the keys that keyReleased and keyHeld report.
  virtual void pollKeyboard() = 0;
  virtual void sleepMilliseconds(int count) = 0;
  // Hides the window and gives the pointer back.
  virtual void leaveFullScreen() = 0;

  void clearBackBuffer(QRgb colour);
  // Drawing happens between these two calls; beginDrawing resets the colour
  // to black and boxes to filled.
  void beginDrawing();
  void endDrawing();
  // On: boxes are outlines only. Off: boxes are filled.
  void setOutlineMode(bool on) { outline_ = on; }
  void setDrawColor(QRgb colour) { colour_ = colour; }
  // A one-pixel line, both end points included.
  void drawLine(int x1, int y1, int x2, int y2);
  // The pixels x to x + width - 1 and y to y + height - 1, or their border.
  void drawBox(int x, int y, int width, int height) {
    if (outline_) {
      drawOutline(x, y, width, height);
    } else {
      fillBox(x, y, width, height);
    }
  }

  bool keyReleased(int scanCode) { return keyboard_.released(scanCode); }
  bool keyHeld(int scanCode) const { return keyboard_.held(scanCode); }

 protected:
  // A white 32-bit back buffer of the given size.
  void createBackBuffer(QSize size);
  QImage& backBuffer() { return backBuffer_; }
  KeyboardState& keyboard() { return keyboard_; }

 private:
  // Clipped to the buffer; nothing outside drawing.
  void fillBox(int x, int y, int width, int height) {
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const int right = std::min(x + width, bufferWidth_);
    const int bottom = std::min(y + height, bufferHeight_);
    for (int row = top; row < bottom; ++row) {
      QRgb* line = pixels_ + static_cast<qsizetype>(row) * pixelsPerLine_;
      std::fill(line + left, line + std::max(right, left), colour_);
    }
  }
  void drawOutline(int x, int y, int width, int height);
  void setPixel(int x, int y);

  QImage backBuffer_;
  KeyboardState keyboard_;
  // Set while drawing; with no buffer or outside drawing every call is void.
  QRgb* pixels_ = nullptr;
  qsizetype pixelsPerLine_ = 0;
  int bufferWidth_ = 0;
  int bufferHeight_ = 0;
  QRgb colour_ = qRgb(0, 0, 0);
  bool outline_ = false;
};

}  // namespace orvalis
