#include "shell/panel/PanelLabel.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <QStyle>

#include "shell/panel/SpokenNames.h"

namespace orvalis {
namespace {

class AccessiblePanelLabel : public QAccessibleWidget {
 public:
  explicit AccessiblePanelLabel(PanelLabel* label)
      : QAccessibleWidget(label, QAccessible::StaticText) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
      return spokenCaption(static_cast<const PanelLabel*>(widget())->text());
    }
    return QAccessibleWidget::text(kind);
  }
};

QAccessibleInterface* accessibleLabel(const QString& className, QObject* object) {
  if (className == QLatin1String(PanelLabel::staticMetaObject.className())) {
    return new AccessiblePanelLabel(static_cast<PanelLabel*>(object));
  }
  return nullptr;
}

constexpr int textFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;

}  // namespace

PanelLabel::PanelLabel(const QString& text, QWidget* parent) : QWidget(parent), text_(text) {
  static const bool factoryInstalled = [] {
    QAccessible::installFactory(accessibleLabel);
    return true;
  }();
  Q_UNUSED(factoryInstalled);
}

void PanelLabel::setText(const QString& text) {
  if (text == text_) {
    return;
  }
  text_ = text;
  showWholeTextAsToolTip();
  update();
  QAccessibleEvent changed(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&changed);
}

bool PanelLabel::fits() const {
  return fontMetrics().boundingRect(rect(), textFlags, text_).height() <= height();
}

void PanelLabel::showWholeTextAsToolTip() {
  setToolTip(fits() ? QString() : spokenCaption(text_));
}

void PanelLabel::resizeEvent(QResizeEvent*) {
  showWholeTextAsToolTip();
}

void PanelLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QString shown =
      fits() ? text_ : fontMetrics().elidedText(text_, Qt::ElideRight, width(), textFlags);
  style()->drawItemText(&painter, rect(), textFlags, palette(), isEnabled(), shown,
                        QPalette::WindowText);
}

}  // namespace orvalis
