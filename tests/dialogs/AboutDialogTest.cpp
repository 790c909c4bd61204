#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QWindow>
#include <functional>

#include "dialogs/AboutDialog.h"
#include "dialogs/DialogUnits.h"
#include "resources/ProgramResources.h"

using namespace orvalis;

namespace {

// Opens the dialog as "Über" does and runs act on it inside its event loop;
// act is expected to end it. True when showAboutDialog came back on its own,
// false when the dialog had to be ended from outside.
bool runAboutDialog(QWidget* owner, const std::function<void(QDialog&)>& act) {
  QTimer::singleShot(0, [&] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      act(*dialog);
    }
  });
  bool endedFromOutside = false;
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [&] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      endedFromOutside = true;
      dialog->done(QDialog::Rejected);
    }
  });
  watchdog.start(1000);
  showAboutDialog(owner);
  return !endedFromOutside;
}

QPlainTextEdit& textBox(QDialog& dialog) {
  return *dialog.findChild<QPlainTextEdit*>();
}

QPushButton& okButton(QDialog& dialog) {
  return *dialog.findChild<QPushButton*>();
}

}  // namespace

class AboutDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void opensModalAtTheOwnersClientCorner() {
    QWidget owner;
    owner.setGeometry(120, 90, 640, 480);
    owner.show();
    QVERIFY(runAboutDialog(&owner, [&](QDialog& dialog) {
      QCOMPARE(dialog.windowTitle(), QStringLiteral("About Orvalis"));
      QVERIFY(dialog.isModal());
      QCOMPARE(dialog.parentWidget(), &owner);
      QCOMPARE(dialog.pos(), owner.mapToGlobal(QPoint(0, 0)));
      QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
      auto* version = dialog.findChild<QLabel*>();
      QCOMPARE(version->text(), QStringLiteral("Orvalis 2.0"));
      QCOMPARE(version->alignment(), Qt::AlignCenter);
      QCOMPARE(okButton(dialog).text(), QStringLiteral("OK"));
      QVERIFY(okButton(dialog).isDefault());
      QCOMPARE(dialog.focusWidget(), &okButton(dialog));
      QVERIFY(textBox(dialog).isReadOnly());
      QCOMPARE(textBox(dialog).verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
      QTest::mouseClick(&okButton(dialog), Qt::LeftButton);
    }));
  }

  void controlsKeepTheirPlaceInTheDialog() {
    QVERIFY(runAboutDialog(nullptr, [](QDialog& dialog) {
      const QRect inside = dialog.rect();
      const QRect version = dialog.findChild<QLabel*>()->geometry();
      const QRect text = textBox(dialog).geometry();
      const QRect ok = okButton(dialog).geometry();
      QVERIFY(inside.contains(version) && inside.contains(text) && inside.contains(ok));
      QVERIFY(version.bottom() < text.top());
      QVERIFY(text.bottom() < ok.top());
      QVERIFY(qAbs(ok.center().x() - inside.center().x()) <= 2);
      QVERIFY(qAbs(text.center().x() - inside.center().x()) <= 2);
      // Room for a few dozen characters across and about a dozen lines.
      QVERIFY(text.width() > 40 * dialog.fontMetrics().averageCharWidth());
      QVERIFY(text.height() > 10 * dialog.fontMetrics().height());
      dialog.accept();
    }));
  }

  void enterEscapeAndTheCloseButtonEndIt() {
    const auto pressKeyOn = [](Qt::Key key, QWidget& (*target)(QDialog&)) {
      return [key, target](QDialog& dialog) {
        target(dialog).setFocus();
        QTest::keyClick(&target(dialog), key);
      };
    };
    const auto button = [](QDialog& dialog) -> QWidget& { return okButton(dialog); };
    const auto text = [](QDialog& dialog) -> QWidget& { return textBox(dialog); };
    QVERIFY(runAboutDialog(nullptr, pressKeyOn(Qt::Key_Return, button)));
    QVERIFY(runAboutDialog(nullptr, pressKeyOn(Qt::Key_Enter, button)));
    QVERIFY(runAboutDialog(nullptr, pressKeyOn(Qt::Key_Return, text)));
    QVERIFY(runAboutDialog(nullptr, pressKeyOn(Qt::Key_Escape, button)));
    QVERIFY(runAboutDialog(nullptr, pressKeyOn(Qt::Key_Escape, text)));
    QVERIFY(runAboutDialog(nullptr, [](QDialog& dialog) { dialog.windowHandle()->close(); }));
    // A plain letter neither ends the dialog nor changes the text.
    QVERIFY(!runAboutDialog(nullptr, [](QDialog& dialog) {
      const QString before = textBox(dialog).toPlainText();
      QTest::keyClick(&textBox(dialog), Qt::Key_X);
      QCOMPARE(textBox(dialog).toPlainText(), before);
    }));
  }

  void opensTwiceWithTheSameTextScrolledToTheTop() {
    QString firstText;
    QVERIFY(runAboutDialog(nullptr, [&](QDialog& dialog) {
      QScrollBar* scrollBar = textBox(dialog).verticalScrollBar();
      QCOMPARE(scrollBar->value(), 0);
      QVERIFY(scrollBar->maximum() > 0);  // the text is longer than the box
      firstText = textBox(dialog).toPlainText();
      scrollBar->setValue(scrollBar->maximum());
      textBox(dialog).moveCursor(QTextCursor::End);
      dialog.reject();
    }));
    QVERIFY(runAboutDialog(nullptr, [&](QDialog& dialog) {
      QCOMPARE(textBox(dialog).verticalScrollBar()->value(), 0);
      QCOMPARE(textBox(dialog).textCursor().position(), 0);
      QCOMPARE(textBox(dialog).toPlainText(), firstText);
      dialog.reject();
    }));
  }

  void textBoxShowsEveryStoredLine() {
    const QStringList stored =
        QString::fromLatin1(aboutTextResource()).split(QStringLiteral("\r\n"));
    QVERIFY(stored.contains(QString()));
    QVERIFY(std::any_of(stored.begin(), stored.end(), [](const QString& line) {
      return line.startsWith(QStringLiteral("----"));
    }));
    QVERIFY(runAboutDialog(nullptr, [&](QDialog& dialog) {
      const QTextDocument& document = *textBox(dialog).document();
      QCOMPARE(document.blockCount(), stored.size());
      for (int line = 0; line < stored.size(); ++line) {
        QCOMPARE(document.findBlockByNumber(line).text(), stored[line]);
      }
      QVERIFY(textBox(dialog).toPlainText().contains(QStringLiteral("Gewährleistung")));
      dialog.accept();
    }));
  }

  void dialogUnitsScaleWithTheFont() {
    QCOMPARE(DialogUnits(6, 13).toPixels(QRect(7, 27, 264, 127)), QRect(11, 44, 396, 206));
    QCOMPARE(DialogUnits(8, 16).toPixels(QRect(0, 0, 278, 190)), QRect(0, 0, 556, 380));
  }
};

QTEST_MAIN(AboutDialogTest)
#include "AboutDialogTest.moc"
