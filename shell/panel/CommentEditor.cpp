#include "shell/panel/CommentEditor.h"

#include <QMimeData>

#include "shell/panel/ControlCharacters.h"

namespace orvalis {

CommentEditor::CommentEditor(QWidget* parent) : QPlainTextEdit(parent) {
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  connect(this, &QPlainTextEdit::cursorPositionChanged, this, &CommentEditor::shadeCaretLine);
}

QString CommentEditor::documentText() const {
  // The raw text keeps non-breaking spaces, which toPlainText() turns into
  // blanks; lines end in paragraph or line separators.
  QString text = document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
  text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
  return text;
}

void CommentEditor::setDocumentText(const QString& text) {
  QString lines = text;
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  lines.replace(u'\r', u'\n');
  setPlainText(lines);
}

void CommentEditor::focusInEvent(QFocusEvent* event) {
  QPlainTextEdit::focusInEvent(event);
  shadeCaretLine();
}

void CommentEditor::focusOutEvent(QFocusEvent* event) {
  QPlainTextEdit::focusOutEvent(event);
  shadeCaretLine();
}

void CommentEditor::insertFromMimeData(const QMimeData* source) {
  if (!source->hasText()) {
    return;
  }
  QMimeData text;
  text.setText(withoutControlCharacters(source->text()));
  QPlainTextEdit::insertFromMimeData(&text);
}

void CommentEditor::shadeCaretLine() {
  if (!hasFocus()) {
    setExtraSelections({});
    return;
  }
  QTextEdit::ExtraSelection line;
  line.format.setBackground(QColor(240, 240, 240));
  line.format.setProperty(QTextFormat::FullWidthSelection, true);
  line.cursor = textCursor();
  line.cursor.clearSelection();
  setExtraSelections({line});
}

}  // namespace orvalis
