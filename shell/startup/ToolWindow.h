#pragma once

#include <QWidget>

namespace orvalis {

// A small tool window owned by the main window: it stays above it, closes
// with it, has a title but no close button, and a fixed client size.
class ToolWindow : public QWidget {
 public:
  ToolWindow(QWidget* owner, const QString& title, QSize clientSize);
};

}  // namespace orvalis
