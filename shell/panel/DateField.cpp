#include "shell/panel/DateField.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <algorithm>

namespace orvalis {
namespace {

long long wholeMinutes(long long seconds) {
  return seconds - ((seconds % 60) + 60) % 60;
}

}  // namespace

DateField::DateField(QWidget* parent)
    : QFrame(parent), check_(new QCheckBox(this)), editor_(new QDateTimeEdit(this)) {
  setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  setBackgroundRole(QPalette::Base);
  setAutoFillBackground(true);
  editor_->setFrame(false);
  editor_->setTimeSpec(Qt::UTC);
  editor_->setDisplayFormat(QStringLiteral("dd.MM.yy HH:mm"));
  editor_->setCalendarPopup(true);
  editor_->setDateTimeRange(QDateTime(QDate(1601, 1, 1), QTime(0, 0), Qt::UTC),
                            QDateTime(QDate(9999, 12, 31), QTime(23, 59), Qt::UTC));
  // Until a date is set, the greyed editor offers the local time of now.
  const QDateTime now = QDateTime::currentDateTime();
  editor_->setDateTime(
      QDateTime(now.date(), QTime(now.time().hour(), now.time().minute()), Qt::UTC));
  editor_->setEnabled(false);
  setFocusProxy(editor_);
  connect(check_, &QCheckBox::toggled, editor_, &QWidget::setEnabled);
}

long long DateField::value() const {
  if (!check_->isChecked()) {
    return 0;
  }
  return wholeMinutes(editor_->dateTime().toSecsSinceEpoch());
}

void DateField::setValue(long long seconds) {
  if (seconds == 0) {
    check_->setChecked(false);
    return;
  }
  const long long shown = std::clamp(seconds, editor_->minimumDateTime().toSecsSinceEpoch(),
                                     editor_->maximumDateTime().toSecsSinceEpoch());
  editor_->setDateTime(QDateTime::fromSecsSinceEpoch(wholeMinutes(shown), Qt::UTC));
  check_->setChecked(true);
}

QString DateField::text() const {
  return check_->isChecked() ? editor_->text() : QString();
}

void DateField::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  const QRect inside = contentsRect();
  const int box = std::min(inside.height(), 16);
  check_->setGeometry(inside.left() + 2, inside.top() + (inside.height() - box) / 2, box, box);
  editor_->setGeometry(inside.left() + box + 4, inside.top(), inside.width() - box - 4,
                       inside.height());
}

}  // namespace orvalis
