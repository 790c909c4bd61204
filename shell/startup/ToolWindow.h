#pragma once

#include <QWidget>

namespace orvalis {

// A small tool window owned by the main window: it stays above it, closes
// with it, has a title but no close button, and a fixed client size. It
// stays out of the taskbar, and no request of the window manager closes it:
// hidden, it would have no way back.
class ToolWindow : public QWidget {
 public:
  ToolWindow(QWidget* owner, const QString& title, QSize clientSize);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
};

}  // namespace orvalis
