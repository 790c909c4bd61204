#pragma once

#include <QLineEdit>
#include <QString>

namespace orvalis {

// Text pasted or dropped into the pattern's text fields may carry control
// characters that a LifeXML file cannot hold; they are left out as they
// arrive. Tab, LF and CR stay.
QString withoutControlCharacters(const QString& text);

// Keeps them out of what the user puts into `edit`; texts that the program
// sets pass unchanged.
void keepControlCharactersOut(QLineEdit& edit);

}  // namespace orvalis
