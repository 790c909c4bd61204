#pragma once

#include <QByteArray>
#include <QIcon>

namespace orvalis {

// The About dialog's text as stored: ISO-8859-1, every line ended by CR LF.
QByteArray aboutTextResource();

// The program's own 48 x 48 icon, for the presentation window. The main
// window and the tool windows keep the platform's standard icon.
QIcon programIcon();

}  // namespace orvalis
