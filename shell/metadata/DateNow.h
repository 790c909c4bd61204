#pragma once

#include <QDateTime>

#include "settings/GadgetAccess.h"

namespace orvalis {

// The date field's value of a local time: seconds from 1970 to its date and
// minute, with the wall-clock time counted as if it were UTC.
long long wallClockMinute(const QDateTime& localTime);

// "&N" and Ctrl+N: the date field holds the local time of now, to the minute.
void setDateToNow(GadgetAccess& settings);

}  // namespace orvalis
