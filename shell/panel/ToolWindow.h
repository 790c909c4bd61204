#pragma once

#include <QWidget>

namespace orvalis {

// A small tool window owned by the main window: it stays above it, closes
// with it, has a title but no close button, and a fixed client size. It
// stays out of the taskbar, and while the main window is shown no close
// request closes it, neither the window manager's on X11 nor a Wayland
// compositor's: hidden, it would have no way back.
class ToolWindow : public QWidget {
 public:
  ToolWindow(QWidget* owner, const QString& title, QSize clientSize);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace orvalis
