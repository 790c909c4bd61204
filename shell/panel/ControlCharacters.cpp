#include "shell/panel/ControlCharacters.h"

#include "files/TextEncoding.h"

namespace orvalis {
namespace {

bool isControlCharacter(QChar character) {
  return xmlCannotCarry(character.unicode());
}

}  // namespace

QString withoutControlCharacters(const QString& text) {
  QString kept = text;
  kept.removeIf(isControlCharacter);
  return kept;
}

QValidator::State ControlCharacterFilter::validate(QString& input, int& position) const {
  position = static_cast<int>(withoutControlCharacters(input.left(position)).size());
  input = withoutControlCharacters(input);
  return Acceptable;
}

}  // namespace orvalis
