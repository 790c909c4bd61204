#pragma once

#include <QWidget>

namespace orvalis {

// A caption of the panel, left-aligned and wrapped at words, with the letter
// after "&" underlined. Unlike QLabel it shows the underline without taking
// Alt+letter as a shortcut: the underlined letters act through Ctrl keys.
// Screen readers read it as static text, the caption without the "&".
class PanelLabel : public QWidget {
  Q_OBJECT

 public:
  PanelLabel(const QString& text, QWidget* parent);

  QString text() const { return text_; }
  void setText(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
};

}  // namespace orvalis
