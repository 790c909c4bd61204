#pragma once

class QWidget;

namespace orvalis {

// Runs the About dialog modally, owned by the given window and opening at the
// top-left corner of its client area; returns when the user has closed it.
void showAboutDialog(QWidget* owner);

}  // namespace orvalis
