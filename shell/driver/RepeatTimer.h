#pragma once

#include <QBasicTimer>
#include <QObject>
#include <functional>
#include <memory>
#include <optional>

namespace orvalis {

// A timer of the driver. Once started it ticks every interval until it is
// stopped, at 10 ms at the shortest; a negative interval gives no ticks. A
// tick that comes late is not made up, so ticks never pile up behind a slow
// handler.
class RepeatTimer {
 public:
  virtual ~RepeatTimer() = default;
  // Replaces a running timer.
  virtual void start(long long milliseconds) = 0;
  virtual void stop() = 0;
  // The interval it ticks at, or nothing while it does not tick.
  virtual std::optional<int> interval() const = 0;
};

// Makes a timer that calls `onTick` at its ticks.
using TimerFactory = std::function<std::unique_ptr<RepeatTimer>(std::function<void()> onTick)>;

// A Qt timer, ticking from the event loop and from every nested loop of a
// modal dialog or message box.
class QtRepeatTimer : public QObject, public RepeatTimer {
 public:
  explicit QtRepeatTimer(std::function<void()> onTick);

  void start(long long milliseconds) override;
  void stop() override;
  std::optional<int> interval() const override;

 protected:
  void timerEvent(QTimerEvent* event) override;

 private:
  std::function<void()> onTick_;
  QBasicTimer timer_;
  int interval_ = 0;
};

std::unique_ptr<RepeatTimer> makeQtRepeatTimer(std::function<void()> onTick);

}  // namespace orvalis
