#include "shell/panel/PanelLabel.h"

#include <QPainter>
#include <QStyle>

namespace orvalis {

PanelLabel::PanelLabel(const QString& text, QWidget* parent) : QWidget(parent), text_(text) {}

void PanelLabel::setText(const QString& text) {
  text_ = text;
  update();
}

void PanelLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  style()->drawItemText(&painter, rect(),
                        Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic,
                        palette(), isEnabled(), text_, QPalette::WindowText);
}

}  // namespace orvalis
