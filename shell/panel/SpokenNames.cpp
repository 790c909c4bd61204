#include "shell/panel/SpokenNames.h"

namespace orvalis {

QString spokenCaption(const QString& caption) {
  QString spoken;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&' && i + 1 < caption.size()) {
      ++i;
    }
    spoken += caption[i];
  }
  return spoken;
}

}  // namespace orvalis
