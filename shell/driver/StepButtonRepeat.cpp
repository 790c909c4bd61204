#include "shell/driver/StepButtonRepeat.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMouseEvent>

namespace orvalis {
namespace {

constexpr long long firstDelayMs = 500;

bool isLeftButton(const QEvent& event) {
  return static_cast<const QMouseEvent&>(event).button() == Qt::LeftButton;
}

}  // namespace

StepButtonRepeat::StepButtonRepeat(QAbstractButton& button, GadgetAccess& settings,
                                   std::function<void()> step, const TimerFactory& makeTimer)
    : button_(button),
      settings_(settings),
      step_(std::move(step)),
      firstDelay_(makeTimer([this] { firstDelayElapsed(); })),
      repeat_(makeTimer([this] { step_(); })) {
  button_.installEventFilter(this);
}

void StepButtonRepeat::endPress() {
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(-1, -1),
                      button_.mapToGlobal(QPointF(-1, -1)), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QCoreApplication::sendEvent(&button_, &release);
}

bool StepButtonRepeat::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &button_) {
    // A double click's second press arrives as MouseButtonDblClick.
    if (event->type() == QEvent::MouseButtonPress && isLeftButton(*event)) {
      firstDelay_->start(firstDelayMs);
    } else if (event->type() == QEvent::MouseButtonRelease && isLeftButton(*event)) {
      firstDelay_->stop();
      repeat_->stop();
    }
  }
  return false;
}

void StepButtonRepeat::firstDelayElapsed() {
  firstDelay_->stop();
  repeat_->start(settings_.gadgetValue(GadgetId::IntervalSpin));
}

}  // namespace orvalis
