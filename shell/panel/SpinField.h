#pragma once

#include <QWidget>

#include "settings/GadgetAccess.h"
#include "settings/GadgetTable.h"

class QLineEdit;
class QToolButton;

namespace orvalis {

// A number field with up and down arrows. Its text may hold anything typed;
// its value is the text when that is a whole number within the range, else
// the last such value, so text and value can differ. The text is taken when
// the value is read, not keystroke by keystroke, so a number passed on the
// way ("15" while typing "150" into 1 to 100) never becomes the value. The
// arrows and the Up and Down keys step the value by one and write it into
// the text. The edit takes the left part, the arrows a strip of half the
// height on the right.
class SpinField : public QWidget {
  Q_OBJECT

 public:
  SpinField(SpinRange range, QWidget* parent);

  int value();
  // Brought into the range; the text shows it.
  void setValue(long long value);
  void stepBy(int steps);

  QString text() const;
  void setText(const QString& text);

  QLineEdit& edit() const { return *edit_; }

 signals:
  // The text changed, by typing, by the arrows or by a setter.
  void textChanged();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void takeValueFromText();

  SpinRange range_;
  int value_;
  QLineEdit* edit_;
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace orvalis
