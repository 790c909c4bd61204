#pragma once

#include <QPlainTextEdit>

namespace orvalis {

// The pattern's comment: plain text that wraps at word boundaries, with the
// line that holds the caret shaded while the editor has the focus. Its whole text is read and
// written with CR LF line breaks.
class CommentEditor : public QPlainTextEdit {
 public:
  explicit CommentEditor(QWidget* parent);

  QString documentText() const;
  // Takes CR LF, and lone CR or LF, as line breaks.
  void setDocumentText(const QString& text);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  // Pasted and dropped text arrives without control characters.
  void insertFromMimeData(const QMimeData* source) override;

 private:
  void shadeCaretLine();
};

}  // namespace orvalis
