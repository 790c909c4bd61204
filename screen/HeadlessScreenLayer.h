#pragma once

#include <deque>
#include <functional>

#include "screen/ScreenLayer.h"

namespace orvalis {

// A screen without a display, for tests and benchmarks: it keeps the last
// frame shown as an image, runs on a clock that only moves when the
// presentation sleeps or the test says so, and takes its keys from a script
// that runs after every frame shown.
class HeadlessScreenLayer : public ScreenLayer {
 public:
  // A presentation that runs away in a test ends after this many frames.
  static constexpr int defaultFrameLimit = 10000;

  explicit HeadlessScreenLayer(QSize screenSize, int frameLimit = defaultFrameLimit);

  // Called with the number of the frame (from 0) right after it was shown.
  void setScript(std::function<void(int frame)> script) { script_ = std::move(script); }
  // Keys come with the clock's time as their time stamp.
  void pressKey(int scanCode) { keyboard().press(scanCode, clock_); }
  void releaseKey(int scanCode) { keyboard().release(scanCode, clock_); }
  // An event that processWindowEvents will hand on.
  void postWindowEvent(std::function<void()> event) { events_.push_back(std::move(event)); }
  void advanceClock(long long milliseconds) { clock_ += milliseconds; }

  const QImage& lastFrame() const { return lastFrame_; }
  int framesShown() const { return framesShown_; }
  bool isFullScreen() const { return fullScreen_; }
  bool reachedFrameLimit() const { return framesShown_ >= frameLimit_; }
  const QString& title() const { return title_; }

  QSize primaryScreenSize() const override { return screenSize_; }
  long long tickCount() const override { return clock_; }
  bool enterFullScreen(int width, int height, int bitsPerPixel, const QString& title) override;
  bool processWindowEvents() override;
  void presentFrame() override;
  void pollKeyboard() override;
  void sleepMilliseconds(int count) override { clock_ += count; }
  void leaveFullScreen() override { fullScreen_ = false; }

 private:
  QSize screenSize_;
  int frameLimit_;
  std::function<void(int)> script_;
  std::deque<std::function<void()>> events_;
  QImage lastFrame_;
  QString title_;
  long long clock_ = 1000;
  int framesShown_ = 0;
  bool fullScreen_ = false;
};

}  // namespace orvalis
