#include "shell/panel/SpinField.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include "settings/GadgetTable.h"
#include "settings/Text.h"

namespace orvalis {
namespace {

QToolButton* arrowButton(Qt::ArrowType arrow, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setArrowType(arrow);
  button->setAutoRepeat(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setAccessibleName(arrow == Qt::UpArrow ? QStringLiteral("Erhöhen")
                                                 : QStringLiteral("Verringern"));
  return button;
}

}  // namespace

SpinField::SpinField(SpinRange range, QWidget* parent)
    : QWidget(parent),
      range_(range),
      value_(range.start),
      edit_(new QLineEdit(this)),
      up_(arrowButton(Qt::UpArrow, this)),
      down_(arrowButton(Qt::DownArrow, this)) {
  edit_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  edit_->installEventFilter(this);
  setFocusProxy(edit_);
  connect(edit_, &QLineEdit::textChanged, this, &SpinField::textChanged);
  connect(up_, &QToolButton::clicked, this, [this] { stepBy(1); });
  connect(down_, &QToolButton::clicked, this, [this] { stepBy(-1); });
}

int SpinField::value() {
  takeValueFromText();
  return value_;
}

void SpinField::setValue(long long value) {
  value_ = range_.clamp(value);
  edit_->setText(QString::fromLatin1(decimalText(value_)));
}

void SpinField::stepBy(int steps) {
  setValue(static_cast<long long>(value()) + steps);
}

QString SpinField::text() const {
  return edit_->text();
}

void SpinField::setText(const QString& text) {
  edit_->setText(text);
}

void SpinField::takeValueFromText() {
  if (const auto value = spinTextValue(edit_->text().toLatin1().toStdString(), range_)) {
    value_ = *value;
  }
}

void SpinField::resizeEvent(QResizeEvent*) {
  const int arrowWidth = height() / 2;
  const int upHeight = height() / 2;
  edit_->setGeometry(0, 0, width() - arrowWidth, height());
  up_->setGeometry(width() - arrowWidth, 0, arrowWidth, upHeight);
  down_->setGeometry(width() - arrowWidth, upHeight, arrowWidth, height() - upHeight);
}

bool SpinField::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edit_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
      stepBy(key->key() == Qt::Key_Up ? 1 : -1);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace orvalis
