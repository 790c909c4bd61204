#include "shell/metadata/DateNow.h"

namespace orvalis {

long long wallClockMinute(const QDateTime& localTime) {
  const QTime time = localTime.time();
  return QDateTime(localTime.date(), QTime(time.hour(), time.minute()), Qt::UTC).toSecsSinceEpoch();
}

void setDateToNow(GadgetAccess& settings) {
  settings.setGadgetValue(GadgetId::DateField, wallClockMinute(QDateTime::currentDateTime()));
}

}  // namespace orvalis
