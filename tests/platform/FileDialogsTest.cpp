#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

#include "platform/FileDialogs.h"
#include "tests/support/TempFolder.h"

using namespace orvalis;

namespace {

// Works the file dialog from inside its own event loop: `act` runs once the
// dialog is open, the dialog is closed if `act` left it open, and every
// message box the dialog shows on its own is counted and closed. Ticks of these timers also prove
// that timers keep running while the dialog is open.
class DialogDriver {
 public:
  explicit DialogDriver(std::function<void(QFileDialog&)> act) : act_(std::move(act)) {
    QObject::connect(&actTimer_, &QTimer::timeout, [this] { actOnDialog(); });
    // A timer does not fire again while its own handler runs, so boxes that
    // open inside `act` need a timer of their own.
    QObject::connect(&boxTimer_, &QTimer::timeout, [this] { closeMessageBox(); });
    actTimer_.start(10);
    boxTimer_.start(10);
  }

  int messageBoxes = 0;

 private:
  void actOnDialog() {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (dialog && act_) {
      const auto act = std::exchange(act_, nullptr);
      act(*dialog);
      // A failed check leaves the dialog open; it must not hang the test.
      if (dialog->isVisible()) {
        dialog->reject();
      }
    }
  }

  void closeMessageBox() {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      ++messageBoxes;
      box->reject();
    }
  }

  std::function<void(QFileDialog&)> act_;
  QTimer actTimer_;
  QTimer boxTimer_;
};

QLineEdit& fileNameEdit(QFileDialog& dialog) {
  return *dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
}

void chooseFileType(QFileDialog& dialog, int index) {
  auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
  types->setCurrentIndex(index);
  emit types->activated(index);
}

std::vector<platform::FileFilter> patternFilters() {
  return {{"Lifedatei", {"*.lif"}}, {"LifeXML", {"*.lxm"}}};
}

}  // namespace

class FileDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void saveDialogProposesTheNameAndReportsTheChosenType() {
    const test::TempFolder folder;
    const std::string existing = folder.write("muster.lxm", "alt");
    QWidget owner;
    owner.show();
    platform::WidgetFileDialogs dialogs;
    const platform::FileDialogRequest request{"Lifedatei speichern", patternFilters(), 1,
                                              folder.folder().string(), "muster.lxm"};
    DialogDriver driver([&](QFileDialog& dialog) {
      QCOMPARE(dialog.windowTitle(), QStringLiteral("Lifedatei speichern"));
      QCOMPARE(dialog.parentWidget(), &owner);
      QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
      QCOMPARE(dialog.nameFilters(), (QStringList{QStringLiteral("Lifedatei (*.lif)"),
                                                  QStringLiteral("LifeXML (*.lxm)")}));
      QCOMPARE(dialog.selectedNameFilter(), QStringLiteral("LifeXML (*.lxm)"));
      QCOMPARE(dialog.directory().absolutePath(), QString::fromStdString(folder.folder().string()));
      QCOMPARE(fileNameEdit(dialog).text(), QStringLiteral("muster.lxm"));
      // Qt's dialog shows the new type's extension on the name; the user
      // picks the existing file again.
      chooseFileType(dialog, 0);
      QCOMPARE(fileNameEdit(dialog).text(), QStringLiteral("muster.lif"));
      dialog.selectFile(QStringLiteral("muster.lxm"));
      QTest::keyClick(&fileNameEdit(dialog), Qt::Key_Return);
    });
    const platform::FileDialogChoice choice = dialogs.askSavePath(&owner, request);
    QCOMPARE(driver.messageBoxes, 0);  // replacing a file is the caller's question
    QCOMPARE(choice.path, existing);
    QCOMPARE(choice.filterIndex, 0);
    QCOMPARE(test::fileContent(existing), "alt");
  }

  void openDialogTakesTheNameOfAFileThatDoesNotExist() {
    const test::TempFolder folder;
    std::vector<platform::FileFilter> filters = patternFilters();
    filters.push_back({"Bilder", {"*.jpg", "*.bmp", "*.png"}});
    const platform::FileDialogRequest request{"Lifedatei laden", filters, 2,
                                              folder.folder().string(), ""};
    platform::WidgetFileDialogs dialogs;
    DialogDriver driver([&](QFileDialog& dialog) {
      QCOMPARE(dialog.windowTitle(), QStringLiteral("Lifedatei laden"));
      QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptOpen);
      QCOMPARE(dialog.selectedNameFilter(), QStringLiteral("Bilder (*.jpg *.bmp *.png)"));
      QCOMPARE(fileNameEdit(dialog).text(), QString());
      QTest::keyClicks(&fileNameEdit(dialog), QStringLiteral("fehlt"));
      QTest::keyClick(&fileNameEdit(dialog), Qt::Key_Return);
    });
    const platform::FileDialogChoice choice = dialogs.askOpenPath(nullptr, request);
    QCOMPARE(driver.messageBoxes, 0);
    QCOMPARE(choice.path, folder.path("fehlt"));
    QCOMPARE(choice.filterIndex, 2);
  }

  void cancelGivesNoPath() {
    platform::WidgetFileDialogs dialogs;
    DialogDriver driver([](QFileDialog& dialog) { dialog.reject(); });
    const platform::FileDialogChoice choice =
        dialogs.askOpenPath(nullptr, {"Lifedatei laden", patternFilters(), 1, "", ""});
    QCOMPARE(choice.path, "");
  }
};

QTEST_MAIN(FileDialogsTest)
#include "FileDialogsTest.moc"
