#include "shell/editing/EditingKeys.h"

#include <QAbstractSpinBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace orvalis {
namespace {

constexpr int ctrl = Qt::ControlModifier;
constexpr int shift = Qt::ShiftModifier;
constexpr int alt = Qt::AltModifier;

// The desktop's keys where the panel leaves them free: Ctrl+Z stays
// "Zurück" and Ctrl+V the interval, so undo is Alt+Backspace and paste
// Ctrl+Shift+V or Shift+Insert.
constexpr EditingKey keyTable[] = {
    {Qt::Key_C, ctrl, EditCommand::Copy, "Auswahl oder sichtbares Feld als RLE kopieren"},
    {Qt::Key_C, ctrl | shift, EditCommand::CopyPlaintext,
     "Auswahl oder sichtbares Feld als Klartext (.cells) kopieren"},
    {Qt::Key_X, ctrl, EditCommand::Cut, "Auswahl ausschneiden"},
    {Qt::Key_V, ctrl | shift, EditCommand::Paste, "Muster aus der Zwischenablage einfügen"},
    {Qt::Key_Insert, shift, EditCommand::Paste, "Muster aus der Zwischenablage einfügen"},
    {Qt::Key_Delete, 0, EditCommand::ClearInside, "Auswahl leeren"},
    {Qt::Key_L, ctrl | shift, EditCommand::ClearOutside, "Außerhalb der Auswahl leeren"},
    {Qt::Key_F, ctrl | shift, EditCommand::RandomFill,
     "Auswahl zufällig füllen (Anteil wie bei „Zufall“)"},
    {Qt::Key_X, 0, EditCommand::FlipLeftRight, "Auswahl oder Einfügung links–rechts spiegeln"},
    {Qt::Key_Y, 0, EditCommand::FlipTopBottom, "Auswahl oder Einfügung oben–unten spiegeln"},
    {Qt::Key_Greater, 0, EditCommand::RotateClockwise, "Im Uhrzeigersinn drehen"},
    {Qt::Key_Period, 0, EditCommand::RotateClockwise, "Im Uhrzeigersinn drehen"},
    {Qt::Key_Less, 0, EditCommand::RotateAnticlockwise, "Gegen den Uhrzeigersinn drehen"},
    {Qt::Key_Comma, 0, EditCommand::RotateAnticlockwise, "Gegen den Uhrzeigersinn drehen"},
    {Qt::Key_M, 0, EditCommand::NextPasteMode, "Einfügemodus wechseln: Oder, Kopie, Xor"},
    {Qt::Key_Escape, 0, EditCommand::Cancel, "Einfügen abbrechen, sonst Auswahl aufheben"},
    {Qt::Key_Backspace, alt, EditCommand::Undo, "Rückgängig"},
    {Qt::Key_Y, ctrl, EditCommand::Redo, "Wiederholen"},
    {Qt::Key_Z, ctrl | shift, EditCommand::Redo, "Wiederholen"},
    {Qt::Key_Backtab, ctrl | shift, EditCommand::StepBack, "Eine Generation zurück"},
    {Qt::Key_P, ctrl | shift, EditCommand::ShowPopulation,
     "Populationsverlauf und Periode des Laufs zeigen"},
    {Qt::Key_F1, 0, EditCommand::Help, "Diese Übersicht der Tastenkürzel"},
};

bool typedAsSymbol(int key) {
  return key == Qt::Key_Greater || key == Qt::Key_Less;
}

// A text field keeps its keys, whichever window it is in; F1 is the one
// key that stays ours. Keys go to the focus widget, so the receiver tells.
bool isTextField(const QObject* receiver) {
  return qobject_cast<const QLineEdit*>(receiver) != nullptr ||
         qobject_cast<const QPlainTextEdit*>(receiver) != nullptr ||
         qobject_cast<const QTextEdit*>(receiver) != nullptr ||
         qobject_cast<const QAbstractSpinBox*>(receiver) != nullptr;
}

}  // namespace

std::span<const EditingKey> editingKeys() {
  return keyTable;
}

std::optional<EditCommand> editingCommand(const QKeyEvent& event) {
  const int modifiers = static_cast<int>(event.modifiers() & ~Qt::KeypadModifier);
  // Shift+Tab arrives as Backtab; Ctrl+Shift+Tab as either, by platform.
  const int key =
      event.key() == Qt::Key_Tab && (modifiers & shift) != 0 ? int(Qt::Key_Backtab) : event.key();
  for (const EditingKey& entry : keyTable) {
    const int held = typedAsSymbol(entry.key) ? modifiers & ~shift : modifiers;
    if (entry.key == key && entry.modifiers == held) {
      return entry.command;
    }
  }
  return std::nullopt;
}

EditingKeyFilter::EditingKeyFilter(std::function<void(EditCommand)> dispatch)
    : dispatch_(std::move(dispatch)) {}

std::function<void()> EditingKeyFilter::commandOf(const QObject* receiver, const QKeyEvent& key) {
  const auto command = editingCommand(key);
  if (!command || (*command != EditCommand::Help && isTextField(receiver))) {
    return {};
  }
  return [this, id = *command] { dispatch_(id); };
}

}  // namespace orvalis
