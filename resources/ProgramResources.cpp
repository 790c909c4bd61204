#include "resources/ProgramResources.h"

#include <QFile>

namespace orvalis {

QByteArray aboutTextResource() {
  QFile file(QStringLiteral(":/orvalis/about.txt"));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QIcon programIcon() {
  return QIcon(QStringLiteral(":/orvalis/orvalis.png"));
}

}  // namespace orvalis
