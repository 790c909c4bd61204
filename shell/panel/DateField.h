#pragma once

#include <QFrame>

class QCheckBox;
class QDateTimeEdit;

namespace orvalis {

// A date and time to the minute, or no date: a check box that says whether
// the field holds a date, beside an editor showing "dd.MM.yy HH:mm". The
// value counts the shown wall-clock time as UTC: seconds since 1970, a
// multiple of 60, and 0 for no date.
class DateField : public QFrame {
 public:
  explicit DateField(QWidget* parent);

  long long value() const;
  // 0 clears to no date; any other value is shown without its seconds,
  // brought into the years the editor can show.
  void setValue(long long seconds);
  // The date as shown, or "" without a date.
  QString text() const;

  QCheckBox& check() const { return *check_; }
  QDateTimeEdit& editor() const { return *editor_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QCheckBox* check_;
  QDateTimeEdit* editor_;
};

}  // namespace orvalis
