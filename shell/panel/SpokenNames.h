#pragma once

#include <QString>

namespace orvalis {

// A caption as a screen reader says it: without the "&" that marks the
// underlined letter ("&&" stands for one "&").
QString spokenCaption(const QString& caption);

}  // namespace orvalis
