#pragma once

#include <QString>
#include <QValidator>

namespace orvalis {

// Text pasted or dropped into the pattern's text fields may carry control
// characters that a LifeXML file cannot hold; they are left out as they
// arrive. Tab, LF and CR stay.
QString withoutControlCharacters(const QString& text);

// Keeps them out of a line edit's user input; texts set by the program pass
// unchanged, as a line edit does not validate them.
class ControlCharacterFilter : public QValidator {
 public:
  using QValidator::QValidator;

  State validate(QString& input, int& position) const override;
};

}  // namespace orvalis
