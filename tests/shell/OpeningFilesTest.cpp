#include <QApplication>
#include <QDialog>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include "tests/files/PatternExamples.h"
#include "tests/shell/ProgramFixture.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestGzip.h"
#include "tests/support/TestPictures.h"
#include "view/FieldView.h"

using namespace orvalis;

namespace {

QUrl fileUrl(const std::string& path) {
  return QUrl::fromLocalFile(QString::fromStdString(path));
}

// Drags `data` over `window` at `at` (window coordinates) as the platform
// delivers a drag from another program, and drops it where the window shows
// it would take it. The action it took, IgnoreAction when it refused. Shift
// is held: the user proposes to move.
Qt::DropAction dragAndDrop(QWidget& window, QPoint at, const QMimeData& data) {
  QWindow* target = window.windowHandle();
  const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
  QDragEnterEvent enter(at, offered, &data, Qt::LeftButton, Qt::ShiftModifier);
  QCoreApplication::sendEvent(target, &enter);
  QDragMoveEvent move(at, offered, &data, Qt::LeftButton, Qt::ShiftModifier);
  QCoreApplication::sendEvent(target, &move);
  if (!enter.isAccepted() || !move.isAccepted()) {
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(target, &leave);
    return Qt::IgnoreAction;
  }
  QDropEvent drop(at, offered, &data, Qt::LeftButton, Qt::ShiftModifier);
  QCoreApplication::sendEvent(target, &drop);
  return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

QWidget* presentationWindow() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->isVisible() && widget->windowTitle() == QStringLiteral("LifeScreen")) {
      return widget;
    }
  }
  return nullptr;
}

}  // namespace

class OpeningFilesTest : public QObject, test::ProgramFixture {
  Q_OBJECT

  std::unique_ptr<test::TempFolder> folder;

  CellGrid& cells() { return program->field().cells; }
  QString fileName() {
    return QString::fromStdString(gadgets().gadgetText(GadgetId::FileNameField));
  }
  // What the next load dialog proposes: the last path's name and file type.
  QString nextLoadProposal() {
    QTest::keyClick(&program->mainWindow(), Qt::Key_D, Qt::ControlModifier);
    const platform::FileDialogRequest& request = fileDialogs->shown.back().request;
    return QString::fromStdString(request.fileName) + QStringLiteral(" as ") +
           QString::number(request.filterIndex);
  }
  QString shownMessages() {
    QStringList texts;
    for (const UserMessage& message : messages->shown) {
      texts.append(QString::fromStdString(message.text));
    }
    return texts.join(QLatin1Char('|'));
  }
  QWidget& panelWindow() { return panel(); }
  QPoint onPanel(GadgetId id) {
    QWidget* gadget = gadgets().gadgetHandle(id);
    return gadget->mapTo(&panelWindow(), gadget->rect().center());
  }
  QPoint onField() { return program->mainWindow().rect().center(); }

 private slots:
  void init() {
    startProgram();
    folder = std::make_unique<test::TempFolder>();
  }
  void cleanup() {
    folder.reset();
    endProgram();
  }

  void filesOpenAsTheirExtensionOrContentSays() {
    const std::string white = test::pngBytes(test::solidImage(8, 8, {255, 255, 255}));
    struct Case {
      const char* name;
      std::string content;   // no file when empty
      const char* message;   // none when empty
      const char* proposal;  // of the next load dialog: the name and file type
    };
    const std::vector<Case> cases = {
        {"blinker.LXM", test::blinkerLifeXml, "", "blinker.LXM as 1"},
        {"blinker.lif", test::blinkerLifeFile, "", "blinker.lif as 0"},
        {"bild.JPEG", test::jpegBytes(test::solidImage(8, 8, {255, 255, 255})), "",
         "bild.JPEG as 2"},
        {"bild.Png", white, "", "bild.Png as 2"},
        {"bild.bmp", test::bmpBytes(test::solidImage(8, 8, {255, 255, 255})), "", "bild.bmp as 2"},
        {"blinker.RLE", "x = 3, y = 1, rule = B3/S23:P3,3\n3o!\n", "", "blinker.RLE as 3"},
        {"blinker.rle.gz", test::gzipped("x = 3, y = 1, rule = B3/S23:P3,3\n3o!\n"), "",
         "blinker.rle.gz as 3"},
        {"blinker.mc", "[M2]\n#R B3/S23:P3,3\n***$\n", "", "blinker.mc as 5"},
        // Text Life files and other programs' files share the Life file's
        // name: the content decides.
        {"text.lif", "#Life 1.06\n#R 23/3:P3,3\n-1 0\n0 0\n1 0\n", "", "text.lif as 0"},
        {"gleiter.lif", "x = 3, y = 1, rule = B3/S23:P3,3\n3o!\n", "", "gleiter.lif as 3"},
        {"welt", "[M2]\n#R B3/S23:P3,3\n***$\n", "", "welt as 5"},
        // Without a telling extension the content decides; the name stays.
        {"muster", test::blinkerLifeXml, "", "muster as 1"},
        {"foto.dat", white, "", "foto.dat as 2"},
        {"notiz.txt", "Hallo", "Unbekanntes Dateiformat", " as 1"},
        {"fremd.xml", "<?xml version=\"1.0\"?><Muster><Fields/></Muster>",
         "Unbekanntes Dateiformat", " as 1"},
        {"fehlt", "", "Datei konnte nicht geladen werden", " as 1"},
        // A missing file of a known type fails as the load command does;
        // the next dialog keeps to its file type, not to its name.
        {"fehlt.lxm", "", "XML - Datei konnte nicht geladen werden", " as 1"},
        {"fehlt.lif", "", "Datei konnte nicht geladen werden", " as 0"},
        // Unlike the load dialog's import, a broken picture says so.
        {"kaputt.png", "kein Bild", "Bild konnte nicht geladen werden", " as 2"},
        {"kaputt.dat", white.substr(0, 40), "Bild konnte nicht geladen werden", " as 2"},
    };
    for (const Case& opened : cases) {
      endProgram();
      startProgram();
      if (!opened.content.empty()) {
        folder->write(opened.name, opened.content);
      }
      program->openFile(folder->path(opened.name));

      const bool loads = std::string_view(opened.message).empty();
      const QString name = QString::fromLatin1(opened.name);
      QCOMPARE(shownMessages(), QString::fromUtf8(opened.message));
      QCOMPARE(fileName(), loads ? name : QString());
      QCOMPARE(cells().at(1, 1).state, loads ? CellState::Alive : CellState::Dead);
      // An imported picture leaves no marks to skip.
      QCOMPARE(program->field().fieldEdited, loads && !name.startsWith(QLatin1String("bild")) &&
                                                 !name.startsWith(QLatin1String("foto")));
      QCOMPARE(nextLoadProposal(), QString::fromLatin1(opened.proposal));
    }
  }

  void dropsOpenTheFirstLocalFile() {
    QVERIFY(showWithActivePanel());
    const std::string lxm = folder->write("blinker.lxm", test::blinkerLifeXml);
    const std::string lif = folder->write("blinker.lif", test::blinkerLifeFile);
    const std::string png =
        folder->write("bild.png", test::pngBytes(test::solidImage(8, 8, {255, 255, 255})));
    QWidget& field = program->mainWindow();
    struct Drag {
      QWidget& window;
      QPoint at;
      QList<QUrl> urls;
      const char* opens;    // refused when empty
      std::string uriList;  // the list as sent, in place of `urls`; none when empty
    };
    const std::vector<Drag> drags = {
        {field, onField(), {fileUrl(lxm)}, "blinker.lxm", ""},
        // Over the comment editor, which takes dropped text itself.
        {panelWindow(),
         onPanel(GadgetId::CommentEditor),
         {fileUrl(lif), fileUrl(lxm)},
         "blinker.lif",
         ""},
        {panelWindow(), onPanel(GadgetId::StartToggle), {fileUrl(png)}, "bild.png", ""},
        {field, onField(), {fileUrl(folder->folder().string())}, "", ""},
        {panelWindow(),
         onPanel(GadgetId::AuthorField),
         {QUrl("https://example.org/a.lxm")},
         "",
         ""},
        {field, onField(), {fileUrl(folder->folder().string()), fileUrl(lxm)}, "", ""},
        // As the URI list may also write them: a comment line, the host
        // "localhost"; a host elsewhere is the network.
        {field, onField(), {}, "blinker.lxm", "# Orvalis\r\nfile://localhost" + lxm + "\r\n"},
        {field, onField(), {}, "", "file://example.org" + lxm + "\r\n"},
    };
    for (const Drag& drag : drags) {
      gadgets().setGadgetText(GadgetId::FileNameField, "vorher");
      QMimeData data;
      data.setUrls(drag.urls);
      if (!drag.uriList.empty()) {
        data.setData(QStringLiteral("text/uri-list"), QByteArray::fromStdString(drag.uriList));
      }
      const bool opens = !std::string_view(drag.opens).empty();
      // Never moved: the file manager would delete the file.
      QCOMPARE(dragAndDrop(drag.window, drag.at, data), opens ? Qt::CopyAction : Qt::IgnoreAction);
      QTRY_COMPARE(fileName(), QString::fromLatin1(opens ? drag.opens : "vorher"));
    }
    QTRY_COMPARE(QApplication::activeWindow(), &field);
    QVERIFY(messages->shown.empty());

    // Text is no file: a text field takes it, the field view does not.
    QMimeData text;
    text.setText(QStringLiteral("Conway"));
    QCOMPARE(dragAndDrop(field, onField(), text), Qt::IgnoreAction);
    QCOMPARE(dragAndDrop(panelWindow(), onPanel(GadgetId::AuthorField), text), Qt::MoveAction);
    QCOMPARE(QString::fromStdString(gadgets().gadgetText(GadgetId::AuthorField)),
             QStringLiteral("Conway"));

    // A link from a browser is text for the text fields too.
    const QString address = QStringLiteral("https://conwaylife.com/wiki/Glider");
    QMimeData link;
    link.setUrls({QUrl(address)});
    link.setText(address);
    QCOMPARE(dragAndDrop(field, onField(), link), Qt::IgnoreAction);
    for (const GadgetId id : {GadgetId::SourceField, GadgetId::CommentEditor}) {
      gadgets().setGadgetText(id, "");
      QVERIFY(dragAndDrop(panelWindow(), onPanel(id), link) != Qt::IgnoreAction);
      QCOMPARE(QString::fromStdString(gadgets().gadgetText(id)), address);
    }
    QCOMPARE(fileName(), QStringLiteral("vorher"));
  }

  void nothingIsTakenWhileAModalWindowIsOpen() {
    program->show();
    QVERIFY(QTest::qWaitForWindowExposed(&program->mainWindow()));
    QMimeData data;
    data.setUrls({fileUrl(folder->write("blinker.lxm", test::blinkerLifeXml))});

    QDialog dialog(&panelWindow());
    dialog.open();
    QCOMPARE(dragAndDrop(program->mainWindow(), onField(), data), Qt::IgnoreAction);
    QCOMPARE(dragAndDrop(panelWindow(), onPanel(GadgetId::CommentEditor), data), Qt::IgnoreAction);
    dialog.close();

    bool presented = false;
    QTimer::singleShot(300, [&] {
      QWidget* presentation = presentationWindow();
      if (presentation == nullptr) {
        qFatal("no presentation window, so no way to end the presentation");
      }
      presented = dragAndDrop(program->mainWindow(), onField(), data) == Qt::IgnoreAction;
      QTest::keyPress(presentation, Qt::Key_Escape);
    });
    QTest::keyClick(&program->mainWindow(), Qt::Key_R, Qt::ControlModifier);
    QVERIFY(presented);
    QTest::qWait(20);
    QCOMPARE(fileName(), QString());

    QCOMPARE(dragAndDrop(program->mainWindow(), onField(), data), Qt::CopyAction);
    QTRY_COMPARE(fileName(), QStringLiteral("blinker.lxm"));
  }
};

QTEST_MAIN(OpeningFilesTest)
#include "OpeningFilesTest.moc"
