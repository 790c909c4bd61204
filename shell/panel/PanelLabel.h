#pragma once

#include <QWidget>

namespace orvalis {

// A caption of the panel, left-aligned and wrapped at words, with the letter
// after "&" underlined. Unlike QLabel it shows the underline without taking
// Alt+letter as a shortcut: the underlined letters act through Ctrl keys.
// Screen readers read it as static text, the caption without the "&". A
// text too long for its rectangle (the status line's can be) ends in "…"
// and shows whole as the tooltip.
class PanelLabel : public QWidget {
  Q_OBJECT

 public:
  PanelLabel(const QString& text, QWidget* parent);

  QString text() const { return text_; }
  void setText(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  bool fits() const;
  void showWholeTextAsToolTip();

  QString text_;
};

}  // namespace orvalis
