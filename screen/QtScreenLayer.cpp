#include "screen/QtScreenLayer.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QWindow>
#include <thread>

#include "resources/ProgramResources.h"

namespace orvalis {
namespace {

// A window that keeps posting events must not hold the frame loop up: after
// this many rounds in one frame the rest waits for the next frame.
constexpr int maxEventRoundsPerFrame = 64;

// How long a window manager may take to give the window the whole screen.
constexpr int fullScreenWaitMilliseconds = 2000;

constexpr double fallbackRefreshRate = 60.0;

QSize pixelSize(const QScreen& screen) {
  return (QSizeF(screen.size()) * screen.devicePixelRatio()).toSize();
}

bool coversScreen(const QWidget& window, const QScreen& screen) {
  const QWindow* handle = window.windowHandle();
  return handle && handle->isExposed() && window.geometry() == screen.geometry();
}

bool waitUntilCovering(const QWidget& window, const QScreen& screen) {
  QElapsedTimer waited;
  waited.start();
  while (!coversScreen(window, screen) && waited.elapsed() < fullScreenWaitMilliseconds) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return coversScreen(window, screen);
}

}  // namespace

QtScreenLayer::~QtScreenLayer() {
  leaveFullScreen();
}

QSize QtScreenLayer::primaryScreenSize() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? pixelSize(*screen) : QSize();
}

long long QtScreenLayer::tickCount() const {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

bool QtScreenLayer::enterFullScreen(int width, int height, int bitsPerPixel, const QString& title) {
  leaveFullScreen();
  QScreen* screen = QGuiApplication::primaryScreen();
  // Drawn pixel for pixel on the display, whatever its scale factor.
  createBackBuffer({width, height});
  backBuffer().setDevicePixelRatio(screen ? screen->devicePixelRatio() : 1.0);
  frontBuffer_ = backBuffer().copy();
  previouslyActive_ = QApplication::activeWindow();

  window_ = std::make_unique<PresentationWindow>(frontBuffer_, keyboard());
  window_->setWindowTitle(title);
  window_->setWindowIcon(programIcon());
  window_->setWindowModality(Qt::ApplicationModal);
  // The window manager's own full-screen state puts the window above every
  // panel and taskbar; the screen's geometry covers the screen where no
  // window manager keeps that state.
  if (screen) {
    window_->setScreen(screen);
    window_->setGeometry(screen->geometry());
  }
  window_->showFullScreen();
  window_->activateWindow();
  fullScreen_ = screen && waitUntilCovering(*window_, *screen);
  if (!fullScreen_) {
    window_->showMaximized();
  }
  nextRefresh_ = std::chrono::steady_clock::now();
  return fullScreen_ && bitsPerPixel == 32;
}

bool QtScreenLayer::processWindowEvents() {
  if (eventRounds_ == maxEventRoundsPerFrame) {
    eventRounds_ = 0;
    return false;
  }
  QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
  const bool handled = dispatcher && dispatcher->processEvents(QEventLoop::AllEvents);
  eventRounds_ = handled ? eventRounds_ + 1 : 0;
  return handled;
}

void QtScreenLayer::presentFrame() {
  if (!isActive()) {
    return;
  }
  // After a switch to another program the window may have lost the screen.
  if (fullScreen_ && !window_->isFullScreen()) {
    window_->showFullScreen();
  }
  waitForRefresh();
  frontBuffer_.swap(backBuffer());
  window_->repaint();
}

// At most one frame a display refresh.
void QtScreenLayer::waitForRefresh() {
  const double rate = window_->screen() ? window_->screen()->refreshRate() : 0.0;
  const auto period = std::chrono::duration_cast<std::chrono::steady_clock::duration>(
      std::chrono::duration<double>(1.0 / (rate > 0.0 ? rate : fallbackRefreshRate)));
  const auto now = std::chrono::steady_clock::now();
  if (now < nextRefresh_) {
    std::this_thread::sleep_until(nextRefresh_);
    nextRefresh_ += period;
  } else {
    nextRefresh_ = now + period;
  }
}

void QtScreenLayer::pollKeyboard() {
  keyboard().takeSnapshot(isActive());
}

void QtScreenLayer::sleepMilliseconds(int count) {
  std::this_thread::sleep_for(std::chrono::milliseconds(count));
}

void QtScreenLayer::leaveFullScreen() {
  if (!window_) {
    return;
  }
  window_->hide();
  window_.reset();
  keyboard().releaseAll();
  if (previouslyActive_) {
    previouslyActive_->activateWindow();
  }
}

}  // namespace orvalis
