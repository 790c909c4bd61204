#include "screen/HeadlessScreenLayer.h"

#include "screen/ScanCodes.h"

namespace orvalis {

HeadlessScreenLayer::HeadlessScreenLayer(QSize screenSize, int frameLimit)
    : screenSize_(screenSize), frameLimit_(frameLimit) {}

bool HeadlessScreenLayer::enterFullScreen(int width, int height, int bitsPerPixel,
                                          const QString& title) {
  createBackBuffer({width, height});
  lastFrame_ = backBuffer().copy();
  title_ = title;
  fullScreen_ = bitsPerPixel == 32;
  return fullScreen_;
}

bool HeadlessScreenLayer::processWindowEvents() {
  if (events_.empty()) {
    return false;
  }
  const std::function<void()> event = std::move(events_.front());
  events_.pop_front();
  event();
  return true;
}

// The two buffers change roles, as they do on a screen.
void HeadlessScreenLayer::presentFrame() {
  lastFrame_.swap(backBuffer());
  if (script_) {
    script_(framesShown_);
  }
  ++framesShown_;
  if (reachedFrameLimit()) {
    pressKey(scanCode::escape);
  }
}

void HeadlessScreenLayer::pollKeyboard() {
  keyboard().takeSnapshot(true);
}

}  // namespace orvalis
