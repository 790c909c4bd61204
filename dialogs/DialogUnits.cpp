#include "dialogs/DialogUnits.h"

#include <QtMath>

namespace orvalis {

DialogUnits::DialogUnits(int averageCharWidth, int fontHeight)
    : averageCharWidth_(averageCharWidth), fontHeight_(fontHeight) {}

DialogUnits::DialogUnits(const QFontMetrics& metrics)
    : DialogUnits(metrics.averageCharWidth(), metrics.height()) {}

QRect DialogUnits::toPixels(const QRect& units) const {
  return QRect(across(units.x()), down(units.y()), across(units.width()), down(units.height()));
}

int DialogUnits::across(int units) const {
  return qRound(units * averageCharWidth_ / 4.0);
}

int DialogUnits::down(int units) const {
  return qRound(units * fontHeight_ / 8.0);
}

}  // namespace orvalis
