#pragma once

#include <QImage>
#include <QWidget>

#include "screen/KeyboardState.h"

namespace orvalis {

// The full-screen window of the presentation: it shows a frame image and
// reports its keys by scan code. Closing it is left to the presentation.
class PresentationWindow : public QWidget {
 public:
  // `frame` and `keyboard` outlive the window.
  PresentationWindow(const QImage& frame, KeyboardState& keyboard);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  const QImage& frame_;
  KeyboardState& keyboard_;
};

}  // namespace orvalis
