#include "dialogs/AboutDialog.h"

#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

#include "dialogs/DialogUnits.h"
#include "resources/ProgramResources.h"

namespace orvalis {
namespace {

// The layout in dialog units.
constexpr QRect dialogArea(0, 0, 278, 190);
constexpr QRect okButtonArea(114, 169, 50, 14);
constexpr QRect versionArea(7, 7, 264, 14);
constexpr QRect textArea(7, 27, 264, 127);

// The stored text's CR LF line ends, as the text box's line breaks.
QString displayedText(const QByteArray& latin1Text) {
  return QString::fromLatin1(latin1Text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// Enter presses "OK"; Escape and the title bar's close button end the
// dialog as well, as QDialog does.
class AboutDialog : public QDialog {
 public:
  explicit AboutDialog(QWidget* owner)
      : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("About Orvalis"));
    setModal(true);
    const DialogUnits units(fontMetrics());
    setFixedSize(units.toPixels(dialogArea).size());
    if (owner != nullptr) {
      move(owner->mapToGlobal(QPoint(0, 0)));
    }

    // Created in tab order: the button first, so that it has the focus.
    auto* okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setGeometry(units.toPixels(okButtonArea));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* version = new QLabel(QStringLiteral("Orvalis 2.0"), this);
    version->setGeometry(units.toPixels(versionArea));
    version->setAlignment(Qt::AlignCenter);

    auto* text = new QPlainTextEdit(this);
    text->setGeometry(units.toPixels(textArea));
    text->setReadOnly(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text->setTabChangesFocus(true);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setPlainText(displayedText(aboutTextResource()));

    okButton->setFocus();
  }
};

}  // namespace

void showAboutDialog(QWidget* owner) {
  // Guarded: should the owner go while the dialog runs, it takes the dialog
  // with it.
  QPointer<AboutDialog> dialog = new AboutDialog(owner);
  dialog->exec();
  delete dialog;
}

}  // namespace orvalis
