#pragma once

#include <QString>
#include <QWidget>
#include <vector>

namespace orvalis {

// One line of the help window: the keys or mouse action, and what it does.
struct ShortcutLine {
  QString keys;
  QString action;
};

// The editing keys (those of one command together) and the mouse's editing
// actions, as the help window lists them.
std::vector<ShortcutLine> shortcutLines();

// The window "Tastenkürzel" that F1 shows: every key and mouse action that
// edits beside the panel's own.
class ShortcutHelpWindow : public QWidget {
 public:
  explicit ShortcutHelpWindow(QWidget* owner);
};

}  // namespace orvalis
