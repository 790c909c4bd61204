#include "shell/panel/ControlCharacters.h"

#include "files/io/TextEncoding.h"

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

void keepControlCharactersOut(QLineEdit& edit) {
  // A validator would also see the program's own setText.
  QObject::connect(&edit, &QLineEdit::textEdited, &edit, [&edit](const QString& text) {
    const QString kept = withoutControlCharacters(text);
    if (kept == text) {
      return;
    }
    const auto caret = withoutControlCharacters(text.left(edit.cursorPosition())).size();
    edit.setText(kept);
    edit.setCursorPosition(static_cast<int>(caret));
  });
}

}  // namespace orvalis
