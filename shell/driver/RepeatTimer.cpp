#include "shell/driver/RepeatTimer.h"

#include <QTimerEvent>
#include <algorithm>
#include <limits>

namespace orvalis {
namespace {

constexpr long long shortestInterval = 10;

}  // namespace

QtRepeatTimer::QtRepeatTimer(std::function<void()> onTick) : onTick_(std::move(onTick)) {}

void QtRepeatTimer::start(long long milliseconds) {
  if (milliseconds < 0) {
    stop();
    return;
  }
  interval_ = static_cast<int>(
      std::clamp<long long>(milliseconds, shortestInterval, std::numeric_limits<int>::max()));
  // Precise, so that a 10 ms interval gives a hundred ticks a second.
  timer_.start(interval_, Qt::PreciseTimer, this);
}

void QtRepeatTimer::stop() {
  timer_.stop();
}

std::optional<int> QtRepeatTimer::interval() const {
  if (!timer_.isActive()) {
    return std::nullopt;
  }
  return interval_;
}

void QtRepeatTimer::timerEvent(QTimerEvent* event) {
  if (event->timerId() == timer_.timerId()) {
    onTick_();
  } else {
    QObject::timerEvent(event);
  }
}

std::unique_ptr<RepeatTimer> makeQtRepeatTimer(std::function<void()> onTick) {
  return std::make_unique<QtRepeatTimer>(std::move(onTick));
}

}  // namespace orvalis
