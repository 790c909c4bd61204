#include <QPushButton>
#include <QTest>

#include "settings/SettingsRecord.h"
#include "shell/driver/StepButtonRepeat.h"

using namespace orvalis;

namespace {

// A timer that ticks only when the test says so.
class FakeTimer : public RepeatTimer {
 public:
  explicit FakeTimer(std::function<void()> onTick) : onTick_(std::move(onTick)) {}
  void start(long long milliseconds) override { interval_ = static_cast<int>(milliseconds); }
  void stop() override { interval_.reset(); }
  std::optional<int> interval() const override { return interval_; }
  void tick() {
    QVERIFY(interval_.has_value());
    onTick_();
  }

 private:
  std::function<void()> onTick_;
  std::optional<int> interval_;
};

}  // namespace

class StepButtonRepeatTest : public QObject {
  Q_OBJECT

  // The first timer made is the first delay, the second the repeat.
  std::vector<FakeTimer*> timers_;
  SettingsRecord settings_;
  std::unique_ptr<QPushButton> button_;
  std::unique_ptr<StepButtonRepeat> repeat_;
  int clicks_ = 0;
  int repeats_ = 0;

  FakeTimer& firstDelay() { return *timers_.at(0); }
  FakeTimer& repeatTimer() { return *timers_.at(1); }
  void press() { QTest::mousePress(button_.get(), Qt::LeftButton); }
  void release(QPoint at = {}) { QTest::mouseRelease(button_.get(), Qt::LeftButton, {}, at); }

 private slots:
  void init() {
    timers_.clear();
    clicks_ = repeats_ = 0;
    button_ = std::make_unique<QPushButton>(QStringLiteral("Schritt"));
    button_->resize(55, 25);
    QObject::connect(button_.get(), &QPushButton::clicked, [this] { ++clicks_; });
    repeat_ = std::make_unique<StepButtonRepeat>(
        *button_, settings_, [this] { ++repeats_; },
        [this](std::function<void()> onTick) {
          auto timer = std::make_unique<FakeTimer>(std::move(onTick));
          timers_.push_back(timer.get());
          return timer;
        });
    QCOMPARE(timers_.size(), 2u);
  }
  void cleanup() {
    repeat_.reset();
    button_.reset();
  }

  void shortClickStepsOnceAtTheRelease() {
    press();
    QCOMPARE(firstDelay().interval(), 500);
    QCOMPARE(repeatTimer().interval(), std::nullopt);
    release();
    QCOMPARE(clicks_, 1);
    QCOMPARE(repeats_, 0);
    QCOMPARE(firstDelay().interval(), std::nullopt);
  }

  void holdRepeatsAtTheFieldsValue() {
    settings_.setGadgetValue(GadgetId::IntervalSpin, 1000);
    settings_.setGadgetText(GadgetId::IntervalSpin, "25abc");  // the value stays 1000
    press();
    firstDelay().tick();
    QCOMPARE(firstDelay().interval(), std::nullopt);
    QCOMPARE(repeatTimer().interval(), 1000);
    repeatTimer().tick();
    repeatTimer().tick();
    QCOMPARE(repeats_, 2);
    QCOMPARE(clicks_, 0);
    release();
    QCOMPARE(clicks_, 1);
    QCOMPARE(repeatTimer().interval(), std::nullopt);
  }

  void releaseAwayFromTheButtonStopsWithoutAStep() {
    press();
    firstDelay().tick();
    release(QPoint(200, 10));
    QCOMPARE(clicks_, 0);
    QCOMPARE(repeatTimer().interval(), std::nullopt);
  }

  void secondPressOfADoubleClickStartsNoRepeat() {
    press();
    release();
    QTest::mouseDClick(button_.get(), Qt::LeftButton);
    QCOMPARE(firstDelay().interval(), std::nullopt);
    release();
    QCOMPARE(clicks_, 2);
  }

  void otherButtonsStartNothing() {
    QTest::mousePress(button_.get(), Qt::RightButton);
    QCOMPARE(firstDelay().interval(), std::nullopt);
  }

  void endPressStopsTheRepeatAndTheReleaseClicksNothing() {
    press();
    firstDelay().tick();
    repeat_->endPress();
    QCOMPARE(repeatTimer().interval(), std::nullopt);
    QVERIFY(!button_->isDown());
    // Moving back over the button does not press it again.
    QMouseEvent move(QEvent::MouseMove, QPointF(10, 10), button_->mapToGlobal(QPointF(10, 10)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(button_.get(), &move);
    release();
    QCOMPARE(clicks_, 0);
  }
};

QTEST_MAIN(StepButtonRepeatTest)
#include "StepButtonRepeatTest.moc"
