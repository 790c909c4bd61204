#include "shell/editing/ShortcutHelp.h"

#include <QHeaderView>
#include <QKeySequence>
#include <QTableWidget>
#include <QVBoxLayout>

#include "shell/editing/EditingKeys.h"

namespace orvalis {
namespace {

QString keyText(const EditingKey& entry) {
  // Backtab is how Qt reports Shift+Tab; the keyboard says Tab.
  const int key = entry.key == Qt::Key_Backtab ? int(Qt::Key_Tab) : entry.key;
  return QKeySequence(key | entry.modifiers).toString(QKeySequence::NativeText);
}

}  // namespace

std::vector<ShortcutLine> shortcutLines() {
  std::vector<ShortcutLine> lines = {
      {QStringLiteral("Umschalt + linke Maustaste ziehen"),
       QStringLiteral("Auswahl aufziehen; in der Auswahl begonnen: sie verschieben")},
      {QStringLiteral("Linksklick beim Einfügen"), QStringLiteral("Muster absetzen")},
      {QStringLiteral("Rechtsklick beim Einfügen"), QStringLiteral("Einfügen abbrechen")},
  };
  const EditingKey* previous = nullptr;
  for (const EditingKey& entry : editingKeys()) {
    if (previous != nullptr && previous->command == entry.command) {
      lines.back().keys += QStringLiteral(" oder ") + keyText(entry);
    } else {
      lines.push_back({keyText(entry), QString::fromUtf8(entry.description)});
    }
    previous = &entry;
  }
  return lines;
}

ShortcutHelpWindow::ShortcutHelpWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
  setWindowTitle(QStringLiteral("Tastenkürzel"));
  const std::vector<ShortcutLine> lines = shortcutLines();
  auto* table = new QTableWidget(static_cast<int>(lines.size()), 2, this);
  table->setHorizontalHeaderLabels({QStringLiteral("Taste"), QStringLiteral("Befehl")});
  table->setAccessibleName(QStringLiteral("Tastenkürzel"));
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->verticalHeader()->hide();
  for (int row = 0; row < static_cast<int>(lines.size()); ++row) {
    table->setItem(row, 0, new QTableWidgetItem(lines[row].keys));
    table->setItem(row, 1, new QTableWidgetItem(lines[row].action));
  }
  table->resizeColumnsToContents();
  table->horizontalHeader()->setStretchLastSection(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table);
  resize(680, 720);
}

}  // namespace orvalis
