#pragma once

#include <QPointer>
#include <chrono>
#include <memory>

#include "screen/PresentationWindow.h"
#include "screen/ScreenLayer.h"

namespace orvalis {

// The presentation on the primary display: a window in the window manager's
// full-screen state (a maximised one where full screen cannot be had) that
// shows the back buffer once a display refresh. It is modal, so the other
// windows repaint but take no input meanwhile.
class QtScreenLayer : public ScreenLayer {
 public:
  QtScreenLayer() = default;
  ~QtScreenLayer() override;

  QSize primaryScreenSize() const override;
  long long tickCount() const override;
  bool enterFullScreen(int width, int height, int bitsPerPixel, const QString& title) override;
  bool processWindowEvents() override;
  void presentFrame() override;
  void pollKeyboard() override;
  void sleepMilliseconds(int count) override;
  void leaveFullScreen() override;

  // The window while the presentation runs, else null.
  PresentationWindow* window() const { return window_.get(); }

 private:
  bool isActive() const { return window_ && window_->isActiveWindow(); }
  void waitForRefresh();

  std::unique_ptr<PresentationWindow> window_;
  QImage frontBuffer_;
  QPointer<QWidget> previouslyActive_;
  std::chrono::steady_clock::time_point nextRefresh_;
  int eventRounds_ = 0;
  bool fullScreen_ = false;
};

}  // namespace orvalis
