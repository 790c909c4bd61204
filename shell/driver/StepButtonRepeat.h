#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "settings/GadgetAccess.h"
#include "shell/driver/RepeatTimer.h"

class QAbstractButton;

namespace orvalis {

// The step button's auto-repeat. A press of the left button steps nothing
// for 500 ms, then steps at every interval of the interval field's value
// until the button is released; the release over the button is the click
// that steps once more. The second press of a double click starts no repeat.
// The button itself works as ever: it watches the button's events without
// taking any.
class StepButtonRepeat : public QObject {
 public:
  // `step` is what a click of the button does.
  StepButtonRepeat(QAbstractButton& button, GadgetAccess& settings, std::function<void()> step,
                   const TimerFactory& makeTimer);

  // Ends a press in progress as a release away from the button would: the
  // repeat stops and the release that follows clicks nothing.
  void endPress();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void firstDelayElapsed();

  QAbstractButton& button_;
  GadgetAccess& settings_;
  std::function<void()> step_;
  std::unique_ptr<RepeatTimer> firstDelay_;
  std::unique_ptr<RepeatTimer> repeat_;
};

}  // namespace orvalis
