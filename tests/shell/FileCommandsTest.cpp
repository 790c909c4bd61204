#include <sys/resource.h>

#include <QApplication>
#include <QLineEdit>
#include <QPaintEvent>
#include <QTest>
#include <algorithm>
#include <csignal>
#include <filesystem>
#include <functional>
#include <map>

#include "engine/GenerationStep.h"
#include "engine/Population.h"
#include "files/FileFormats.h"
#include "files/FileMessages.h"
#include "settings/Text.h"
#include "shell/driver/SimulationDriver.h"
#include "shell/filecommands/FilePaths.h"
#include "tests/files/PatternExamples.h"
#include "tests/shell/ProgramFixture.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestGzip.h"
#include "tests/support/TestPictures.h"
#include "tests/support/WindowPixels.h"
#include "view/FieldImage.h"
#include "view/FieldView.h"

using namespace orvalis;

namespace {

const int lifeFile = loadIndex(FormatId::LifeFile);
const int lifeXml = loadIndex(FormatId::LifeXml);
const int pictures = loadIndex(FormatId::Pictures);
const int rleLoad = loadIndex(FormatId::Rle);
const int plaintextLoad = loadIndex(FormatId::Plaintext);
const int rleSave = saveIndex(FormatId::Rle);
const int plaintextSave = saveIndex(FormatId::Plaintext);

bool sameMessage(const UserMessage& shown, const char* text, const char* caption, MessageIcon icon,
                 MessageButtons buttons = MessageButtons::Ok) {
  return shown.text == text && shown.caption == caption && shown.icon == icon &&
         shown.buttons == buttons;
}

// Counts the paints of a widget that cover all of it.
struct FullPaints : QObject {
  int count = 0;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      const auto* widget = static_cast<QWidget*>(watched);
      count += static_cast<QPaintEvent*>(event)->rect().contains(widget->rect());
    }
    return false;
  }
};

}  // namespace

class FileCommandsTest : public QObject, test::ProgramFixture {
  Q_OBJECT

  std::unique_ptr<test::TempFolder> folder;

  CellGrid& cells() { return program->field().cells; }
  std::string text(GadgetId id) { return gadgets().gadgetText(id); }
  long long value(GadgetId id) { return gadgets().gadgetValue(id); }
  void ctrl(Qt::Key key) { QTest::keyClick(&program->mainWindow(), key, Qt::ControlModifier); }
  const platform::FileDialogRequest& lastRequest() { return fileDialogs->shown.back().request; }

 private slots:
  void init() {
    startProgram();
    folder = std::make_unique<test::TempFolder>();
  }
  void cleanup() {
    folder.reset();
    endProgram();
  }

  void pathRules() {
    const auto patternPath = [](std::string path, bool asLifeXml) {
      if (asLifeXml) {
        givePatternExtension(path, ".lxm", {"lif"});
      } else {
        givePatternExtension(path, ".lif", {"lxm"});
      }
      return path;
    };
    QCOMPARE(patternPath("/a/muster.Lif", true), "/a/muster.lxm");
    QCOMPARE(patternPath("/a/muster.lxm", true), "/a/muster.lxm");
    QCOMPARE(patternPath("/a/muster", false), "/a/muster.lif");
    // A dot in a folder's name is no extension.
    QCOMPARE(patternPath("/a/ordner.lif/muster", true), "/a/ordner.lif/muster.lxm");
    QCOMPARE(patternPath("C:\\ordner.v2\\muster", true), "C:\\ordner.v2\\muster.lxm");
    QCOMPARE(pathExtension("/a/b.c/d"), "");
    QCOMPARE(pathExtension("d.tar.gz"), "gz");

    const auto proposal = [](std::string_view path) {
      const PathProposal made = pathProposal(path);
      return made.folder + "|" + made.fileName;
    };
    QCOMPARE(proposal("/home/ich/muster.lxm"), "/home/ich|muster.lxm");
    QCOMPARE(proposal("C:\\Muster\\glider.lif"), "C:\\Muster|glider.lif");
    QCOMPARE(proposal("muster.lxm"), "|muster.lxm");
    QCOMPARE(proposal("/muster.lxm"), "/|muster.lxm");
    QCOMPARE(proposal(""), "|");
    for (const char* bad :
         {"a?b.lxm", "a*b", "a:b", "a<b", "a>b", "a|b", "a\"b", "a\tb", "a\x7f"}) {
      QCOMPARE(proposal(std::string("/tmp/") + bad), "/tmp|");
    }
    QCOMPARE(proposal("/tmp/Größe.lxm"), "/tmp|Größe.lxm");
  }

  void saveWritesTheChosenFormatUnderItsExtension() {
    test::setUpBlinker(gadgets(), cells());
    program->field().fieldEdited = false;  // set by the resize
    fileDialogs->choose(folder->path("muster.lif"), lifeXml);
    ctrl(Qt::Key_P);
    QCOMPARE(fileDialogs->shown.size(), size_t(1));
    QVERIFY(fileDialogs->shown[0].save);
    const platform::FileDialogRequest& first = lastRequest();
    QCOMPARE(first.title, "Lifedatei speichern");
    QCOMPARE(first.filters.size(), size_t(5));
    QCOMPARE(first.filters[0].name, "Lifedatei");
    QCOMPARE(first.filters[0].patterns, std::vector<std::string>{"*.lif"});
    QCOMPARE(first.filters[1].name, "LifeXML");
    QCOMPARE(first.filters[1].patterns, std::vector<std::string>{"*.lxm"});
    QCOMPARE(first.filters[rleSave].name, "RLE");
    QCOMPARE(first.filters[rleSave].patterns, std::vector<std::string>{"*.rle"});
    QCOMPARE(first.filters[plaintextSave].name, "Plaintext");
    QCOMPARE(first.filters[plaintextSave].patterns, std::vector<std::string>{"*.cells"});
    QCOMPARE(first.filterIndex, lifeXml);
    QCOMPARE(first.folder, "");
    QCOMPARE(first.fileName, "");
    QCOMPARE(folder->entries(), std::vector<std::string>{"muster.lxm"});
    QCOMPARE(test::fileContent(folder->path("muster.lxm")), test::blinkerLifeXml);
    QCOMPARE(text(GadgetId::FileNameField), "muster.lxm");

    // The next dialog proposes the path as saved; it opens on LifeXML again.
    fileDialogs->choose(folder->path("muster.LXM"), lifeFile);
    QTest::mouseClick(gadgets().gadgetHandle(GadgetId::SaveButton), Qt::LeftButton);
    QCOMPARE(lastRequest().folder, folder->folder().string());
    QCOMPARE(lastRequest().fileName, "muster.lxm");
    QCOMPARE(lastRequest().filterIndex, lifeXml);
    QCOMPARE(test::fileContent(folder->path("muster.lif")), test::blinkerLifeFile);
    QCOMPARE(text(GadgetId::FileNameField), "muster.lif");

    // A path with an extension keeps it; the file type alone picks the format.
    fileDialogs->choose(folder->path("muster.txt"), lifeFile);
    ctrl(Qt::Key_P);
    fileDialogs->choose(folder->path("notiz.lif.txt"), lifeXml);
    ctrl(Qt::Key_P);
    QCOMPARE(test::fileContent(folder->path("muster.txt")), test::blinkerLifeFile);
    QCOMPARE(test::fileContent(folder->path("notiz.lif.txt")), test::blinkerLifeXml);
    QCOMPARE(folder->entries(),
             (std::vector<std::string>{"muster.lif", "muster.lxm", "muster.txt", "notiz.lif.txt"}));
    QVERIFY(messages->shown.empty());
    QCOMPARE(cells().at(1, 1).state, CellState::Alive);
    QVERIFY(!program->field().fieldEdited);
  }

  // Return in the save dialog writes a new file beside the one loaded,
  // whatever its format and the file type chosen.
  void theSaveProposalFollowsTheChosenFileType() {
    const std::string picture = test::pngBytes(test::solidImage(8, 8, {255, 255, 255}));
    const int asPicture = saveIndex(FormatId::FieldPicture);
    struct Case {
      const char* loaded;
      int loadFilter;
      int saveFilter;
      const char* saved;
    };
    const Case cases[] = {
        {"glider.rle", rleLoad, lifeXml, "glider.lxm"},
        {"glider.rle", rleLoad, lifeFile, "glider.lif"},
        {"glider.rle", rleLoad, plaintextSave, "glider.cells"},
        {"glider.rle", rleLoad, asPicture, "glider.png"},
        {"circle.png", pictures, lifeXml, "circle.lxm"},
        {"circle.png", pictures, rleSave, "circle.rle"},
        {"foto.JPEG", pictures, lifeFile, "foto.lif"},
        {"block.cells", plaintextLoad, rleSave, "block.rle"},
        {"blinker.lif", lifeFile, lifeXml, "blinker.lxm"},
        {"blinker.lxm", lifeXml, plaintextSave, "blinker.cells"},
    };
    const std::map<std::string, std::string> contents = {
        {"glider.rle", "x = 3, y = 3\nbo$2bo$3o!\n"},
        {"circle.png", picture},
        {"foto.JPEG", test::jpegBytes(test::solidImage(8, 8, {255, 255, 255}))},
        {"block.cells", "OO\nOO\n"},
        {"blinker.lif", test::blinkerLifeFile},
        {"blinker.lxm", test::blinkerLifeXml}};
    for (const Case& c : cases) {
      const std::string original = folder->write(c.loaded, contents.at(c.loaded));
      fileDialogs->choose(original, c.loadFilter);
      ctrl(Qt::Key_D);
      fileDialogs->acceptProposal(c.saveFilter);
      ctrl(Qt::Key_P);
      const std::string stem = std::filesystem::path(c.loaded).stem().string();
      QCOMPARE(lastRequest().fileName, stem + ".lxm");
      QCOMPARE(test::fileContent(original), contents.at(c.loaded));
      QVERIFY2(std::filesystem::exists(folder->path(c.saved)), c.saved);
      QCOMPARE(text(GadgetId::FileNameField), c.saveFilter == asPicture ? c.loaded : c.saved);
      std::filesystem::remove(folder->path(c.saved));
    }
    QVERIFY(messages->shown.empty());
  }

  // The next save proposes the pattern on show, never a file that was not
  // loaded, whichever way it was opened.
  void aRefusedLoadKeepsTheProposal() {
    const std::string shown = folder->write("blinker.lxm", test::blinkerLifeXml);
    const std::string highlife =
        folder->write("highlife.rle", "x = 3, y = 1, rule = B36/S23\n3o!\n");
    const std::string broken = folder->write("kaputt.png", "kein Bild");
    const std::string foreign = folder->write("fremd.lxm", "<Muster><Fields/></Muster>");
    const std::vector<std::function<void()>> refusals = {
        [&] { fileDialogs->choose(highlife, rleLoad), ctrl(Qt::Key_D); },
        [&] { fileDialogs->choose(broken, pictures), ctrl(Qt::Key_D); },
        [&] { fileDialogs->choose(foreign, lifeXml), ctrl(Qt::Key_D); },
        [&] { fileDialogs->choose(folder->path("fehlt"), lifeFile), ctrl(Qt::Key_D); },
        [&] { program->openFile(highlife); },
        [&] { program->openFile(broken); },
        [&] { program->openFile(folder->path("fehlt.lif")); },
    };
    for (const auto& refuse : refusals) {
      program->openFile(shown);
      refuse();
      ctrl(Qt::Key_P);  // cancelled
      QCOMPARE(lastRequest().fileName, "blinker.lxm");
      QCOMPARE(text(GadgetId::FileNameField), "blinker.lxm");
    }
    QCOMPARE(messages->shown.size(), size_t(6));  // the dialog's picture is silent
  }

  // What a format does not carry is emptied, except what the Life file and
  // a picture leave as they were.
  void everyLoadSetsTheMetadata() {
    const std::string link = "https://conwaylife.com/wiki/Glider_" + std::string(60, 'x');
    folder->write("blinker.lif", test::blinkerLifeFile);
    folder->write("blinker.lxm", test::blinkerLifeXml);
    folder->write("gleiter.rle",
                  "#N Gleiter\n#O Conway\n#C " + link + "\nx = 3, y = 3\nbo$2bo$3o!\n");
    folder->write("block.cells", "!Name: Block\nOO\nOO\n");
    folder->write("bild.png", test::pngBytes(test::solidImage(8, 8, {255, 255, 255})));
    struct Case {
      const char* file;
      int filter;
      std::string comment;
      const char* author;
      std::string source;
      long long date;
    };
    const Case cases[] = {
        {"blinker.lif", lifeFile, "BlinkerPeriode 2", "", "http://alt", 0},
        {"blinker.lxm", lifeXml, "Blinker\r\nPeriode 2\r\n ", "", "", 1796596200},
        {"gleiter.rle", rleLoad, "Gleiter\r\n" + link, "Conway", link, 0},
        {"block.cells", plaintextLoad, "Block", "", "", 0},
        {"bild.png", pictures, "alt", "Alt", "http://alt", 120},
    };
    auto* sourceField = static_cast<QLineEdit*>(gadgets().gadgetHandle(GadgetId::SourceField));
    for (const Case& c : cases) {
      gadgets().setGadgetText(GadgetId::CommentEditor, "alt");
      gadgets().setGadgetText(GadgetId::AuthorField, "Alt");
      gadgets().setGadgetText(GadgetId::SourceField, "http://alt");
      gadgets().setGadgetValue(GadgetId::DateField, 120);
      fileDialogs->choose(folder->path(c.file), c.filter);
      ctrl(Qt::Key_D);
      QCOMPARE(text(GadgetId::FileNameField), c.file);
      QCOMPARE(text(GadgetId::CommentEditor), c.comment);
      QCOMPARE(text(GadgetId::AuthorField), c.author);
      QCOMPARE(text(GadgetId::SourceField), c.source);
      QCOMPARE(value(GadgetId::DateField), c.date);
      // A link longer than the field shows its start.
      QCOMPARE(sourceField->cursorPosition(), 0);
    }
    QVERIFY(messages->shown.empty());
  }

  void overwritingAsksFirst() {
    const std::string old = folder->write("alt.lxm", "alt");
    gadgets().setGadgetText(GadgetId::FileNameField, "vorher.lif");
    messages->answer = MessageAnswer::No;
    fileDialogs->choose(folder->path("alt"), lifeXml);
    ctrl(Qt::Key_P);
    QCOMPARE(messages->shown.size(), size_t(1));
    QVERIFY(sameMessage(messages->shown[0], "Datei existiert bereits, überschreiben?", "Life",
                        MessageIcon::Question, MessageButtons::YesNo));
    QCOMPARE(test::fileContent(old), "alt");
    QCOMPARE(text(GadgetId::FileNameField), "vorher.lif");
    QCOMPARE(folder->entries(), std::vector<std::string>{"alt.lxm"});

    messages->answer = MessageAnswer::Yes;
    fileDialogs->choose(folder->path("alt.lxm"), lifeXml);
    ctrl(Qt::Key_P);
    QCOMPARE(messages->shown.size(), size_t(2));
    QVERIFY(test::fileContent(old).starts_with("<?xml"));
    QCOMPARE(text(GadgetId::FileNameField), "alt.lxm");
  }

  void cancellingEmptiesTheNextProposalOfBothCommands() {
    QVERIFY(showWithActivePanel());
    fileDialogs->choose(folder->path("muster"), lifeFile);
    ctrl(Qt::Key_P);
    ctrl(Qt::Key_D);  // cancelled
    QCOMPARE(fileDialogs->shown.size(), size_t(2));
    QVERIFY(!fileDialogs->shown[1].save);
    QCOMPARE(lastRequest().title, "Lifedatei laden");
    QCOMPARE(lastRequest().folder, folder->folder().string());
    QCOMPARE(lastRequest().fileName, "muster.lif");
    QCOMPARE(lastRequest().filterIndex, lifeXml);  // the first load opens on LifeXML
    QTRY_COMPARE(QApplication::activeWindow(), &program->mainWindow());

    ctrl(Qt::Key_P);
    QCOMPARE(lastRequest().folder, "");
    QCOMPARE(lastRequest().fileName, "");
    ctrl(Qt::Key_D);
    QCOMPARE(lastRequest().fileName, "");
    QCOMPARE(text(GadgetId::FileNameField), "muster.lif");
    QVERIFY(messages->shown.empty());
    QVERIFY(!program->field().fieldEdited);
  }

  void loadReadsTheFormatOfTheChosenFileType() {
    program->show();
    QVERIFY(QTest::qWaitForWindowExposed(&program->mainWindow()));
    QTest::qWait(20);
    FullPaints paints;
    program->mainWindow().installEventFilter(&paints);
    folder->write("blinker.lxm", test::blinkerLifeXml);
    cells().at(40, 40).state = CellState::Alive;
    gadgets().setGadgetText(GadgetId::SourceField, "https://example.org/alt");

    // LifeXML: a typed name without extension opens the .lxm file.
    fileDialogs->choose(folder->path("blinker"), lifeXml);
    ctrl(Qt::Key_D);
    QCOMPARE(value(GadgetId::SizeXSpin), 3);
    QCOMPARE(value(GadgetId::SizeYSpin), 3);
    QCOMPARE(value(GadgetId::GridCheck), 1);
    QCOMPARE(value(GadgetId::DateField), 1796596200);
    QCOMPARE(text(GadgetId::CommentEditor), "Blinker\r\nPeriode 2\r\n ");
    QCOMPARE(text(GadgetId::SourceField), "");
    QCOMPARE(text(GadgetId::FileNameField), "blinker.lxm");
    QCOMPARE(cells().at(40, 40).state, CellState::Dead);
    QVERIFY(program->field().fieldEdited);
    QCOMPARE(program->mainWindow().fieldLayout().columns, 3);
    QCOMPARE(program->mainWindow().fieldLayout().rows, 3);
    QTRY_VERIFY(paints.count > 0);

    // The next step only judges the loaded cells.
    const StepSettings settings{{3, 3}, false};
    advanceGeneration(program->field(), settings, nullptr);
    QVERIFY(!program->field().fieldEdited);
    for (int y = 0; y < 3; ++y) {
      QCOMPARE(cells().at(1, y).state, CellState::Alive);
    }
    QCOMPARE(cells().at(0, 1).pending, PendingMark::Birth);
    QCOMPARE(cells().at(1, 0).pending, PendingMark::Die);

    // A Life file named .lxm, loaded as "Lifedatei", is read as a Life file;
    // the load dialog now opens on LifeXML, the type used last. The size
    // stays, so only the load itself repaints the field.
    std::string lifeBytes = test::lifeFileHeader(200, 3, 3);
    lifeBytes += std::string("\0\1\2\0\1\0\0\1\0", 9);  // a static cell at (2, 0)
    folder->write("life.lxm", lifeBytes);
    program->field().fieldEdited = false;
    paints.count = 0;
    fileDialogs->choose(folder->path("life.lxm"), lifeFile);
    ctrl(Qt::Key_D);
    QCOMPARE(fileDialogs->shown.back().request.filterIndex, lifeXml);
    QVERIFY(messages->shown.empty());
    QCOMPARE(cells().at(2, 0).state, CellState::Static);
    QCOMPARE(cells().at(1, 2).pending, PendingMark::None);
    QCOMPARE(text(GadgetId::FileNameField), "life.lxm");
    QCOMPARE(text(GadgetId::IntervalSpin), "200");
    QCOMPARE(value(GadgetId::DateField), 0);
    QVERIFY(program->field().fieldEdited);
    QTRY_VERIFY(paints.count > 0);

    ctrl(Qt::Key_D);  // cancelled
    QCOMPARE(lastRequest().filterIndex, lifeFile);
  }

  // The Life file keeps any byte of its comment; LifeXML cannot hold them all.
  void aLifeFileWithControlCharactersInItsCommentSavesAsLifeXmlThatReadsBackWhole() {
    std::string bytes = test::blinkerLifeFile;
    bytes.replace(29, 7, "Bl\x01i\x1Bnk\x08");
    folder->write("steuer.lif", bytes);
    fileDialogs->choose(folder->path("steuer.lif"), lifeFile);
    ctrl(Qt::Key_D);
    fileDialogs->choose(folder->path("steuer.lxm"), lifeXml);
    ctrl(Qt::Key_P);
    for (int y = 0; y < 3; ++y) {
      cells().at(1, y).state = CellState::Dead;
    }
    gadgets().setGadgetText(GadgetId::CommentEditor, "");
    fileDialogs->choose(folder->path("steuer.lxm"), lifeXml);
    ctrl(Qt::Key_D);
    QVERIFY(messages->shown.empty());
    for (int y = 0; y < 3; ++y) {
      QCOMPARE(cells().at(1, y).state, CellState::Alive);
    }
    QCOMPARE(text(GadgetId::CommentEditor), "BlinkPeriode 2\r\n ");
  }

  void failedLoadsTellWhyAndChangeNothing() {
    test::setUpBlinker(gadgets(), cells());
    program->field().fieldEdited = false;  // set by the resize
    gadgets().setGadgetText(GadgetId::FileNameField, "vorher.lxm");
    gadgets().setGadgetText(GadgetId::AuthorField, "Conway");
    folder->write("leer.lxm", "");
    folder->write("fremd.lxm", "<Muster><Interval ms=\"5\"/><Fields/></Muster>");
    folder->write("kein.lxm", "<?xml version=\"1.0\"?>\r\n<Orvalis>\r\n</Orvalis>\r\n");

    fileDialogs->choose(folder->path("leer.lxm"), lifeXml);
    fileDialogs->choose(folder->path("fremd.lxm"), lifeXml);
    fileDialogs->choose(folder->path("fehlt"), lifeFile);
    for (int load = 0; load < 3; ++load) {
      ctrl(Qt::Key_D);
    }
    QCOMPARE(messages->shown.size(), size_t(3));
    QVERIFY(sameMessage(messages->shown[0], "XML - Datei konnte nicht geladen werden", "Orvalis",
                        MessageIcon::Error));
    QVERIFY(
        sameMessage(messages->shown[1], "Falsches XML - Format", "Orvalis", MessageIcon::Error));
    QVERIFY(sameMessage(messages->shown[2], "Datei konnte nicht geladen werden", "Orvalis",
                        MessageIcon::Error));
    QCOMPARE(text(GadgetId::FileNameField), "vorher.lxm");
    QCOMPARE(text(GadgetId::IntervalSpin), "1000");
    QCOMPARE(text(GadgetId::AuthorField), "Conway");
    QCOMPARE(value(GadgetId::SizeXSpin), 3);
    QCOMPARE(cells().at(1, 1).state, CellState::Alive);
    QVERIFY(!program->field().fieldEdited);
    ctrl(Qt::Key_D);  // cancelled: no refused file is proposed
    QCOMPARE(lastRequest().fileName, "");

    // An empty document names the file and clears the pattern's metadata,
    // but leaves field and settings.
    fileDialogs->choose(folder->path("kein.lxm"), lifeXml);
    ctrl(Qt::Key_D);
    QCOMPARE(messages->shown.size(), size_t(4));
    QVERIFY(sameMessage(messages->shown[3], "Leeres XML - Dokument", "Orvalis", MessageIcon::None));
    QCOMPARE(text(GadgetId::FileNameField), "kein.lxm");
    QCOMPARE(text(GadgetId::AuthorField), "");
    QCOMPARE(text(GadgetId::CommentEditor), "");
    QCOMPARE(value(GadgetId::DateField), 0);
    QCOMPARE(value(GadgetId::SizeXSpin), 3);
    QCOMPARE(value(GadgetId::GridCheck), 1);
    QCOMPARE(cells().at(1, 1).state, CellState::Alive);
    QVERIFY(!program->field().fieldEdited);
  }

  void picturesAreImportedSilently() {
    // Left half white, right half black: without "Invers" the white lives.
    const auto halves = test::paintedImage(50, 50, [](int x, int) {
      return x < 25 ? Rgb{255, 255, 255} : Rgb{0, 0, 0};
    });
    folder->write("bild", test::pngBytes(halves));
    folder->write("kaputt.png", "kein Bild");
    cells().at(60, 60).state = CellState::Static;  // beyond the visible field
    cells().at(30, 3).pending = PendingMark::Birth;
    program->show();
    QVERIFY(QTest::qWaitForWindowExposed(&program->mainWindow()));
    QTest::qWait(20);
    FullPaints paints;
    program->mainWindow().installEventFilter(&paints);

    fileDialogs->choose(folder->path("bild"), pictures);
    ctrl(Qt::Key_D);
    QTRY_VERIFY(paints.count > 0);
    QVERIFY(messages->shown.empty());
    QCOMPARE(text(GadgetId::FileNameField), "bild");
    QCOMPARE(value(GadgetId::SizeXSpin), 50);
    for (const int x : {0, 24}) {
      QCOMPARE(cells().at(x, 49).state, CellState::Alive);
      QCOMPARE(cells().at(x, 49).remembered, CellState::Alive);
    }
    QCOMPARE(cells().at(25, 0).state, CellState::Dead);
    QCOMPARE(cells().at(30, 3).pending, PendingMark::None);
    QCOMPARE(cells().at(60, 60).state, CellState::Static);
    QVERIFY(!program->field().fieldEdited);

    fileDialogs->choose(folder->path("kaputt.png"), pictures);
    ctrl(Qt::Key_D);
    QCOMPARE(lastRequest().filterIndex, pictures);
    QCOMPARE(lastRequest().fileName, "bild");
    QCOMPARE(lastRequest().filters.size(), size_t(7));
    QCOMPARE(lastRequest().filters[2].name, "Bilder");
    QCOMPARE(lastRequest().filters[2].patterns,
             (std::vector<std::string>{"*.jpg", "*.bmp", "*.png", "*.jpeg"}));
    QCOMPARE(lastRequest().filters[rleLoad].name, "RLE");
    QCOMPARE(lastRequest().filters[rleLoad].patterns, std::vector<std::string>{"*.rle"});
    QCOMPARE(lastRequest().filters[plaintextLoad].name, "Plaintext");
    QCOMPARE(lastRequest().filters[plaintextLoad].patterns, std::vector<std::string>{"*.cells"});
    QCOMPARE(lastRequest().filters[5].name, "Macrocell");
    QCOMPARE(lastRequest().filters[5].patterns, std::vector<std::string>{"*.mc"});
    QVERIFY(messages->shown.empty());
    QCOMPARE(text(GadgetId::FileNameField), "bild");
    QCOMPARE(cells().at(0, 0).state, CellState::Alive);
  }

  // A file picked under another type loads as its content shows; one that
  // shows no format gets the chosen type's answer. "Alle Muster", after the
  // formats, opens a file as its name or content says.
  void thePickedFileLoadsAsItsContentShows_data() {
    const std::string png = test::pngBytes(test::solidImage(8, 8, {255, 255, 255}));
    const int allPatterns = static_cast<int>(loadFormats().size());
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");  // empty: loaded; "-": nothing at all
    const QByteArray rle("x = 3, y = 1\n3o!\n");
    const QByteArray picture(png.data(), static_cast<int>(png.size()));
    QTest::newRow("RLE as Bilder") << pictures << "replicator.rle" << rle << "";
    QTest::newRow("RLE as LifeXML") << lifeXml << "zeile.lxm" << rle << "";
    QTest::newRow("PNG as RLE") << rleLoad << "bild.png" << picture << "";
    QTest::newRow("LifeXML as Plaintext")
        << plaintextLoad << "blinker.cells" << QByteArray(test::blinkerLifeXml.c_str()) << "";
    QTest::newRow("text as RLE") << rleLoad << "kaputt.rle" << QByteArray("kein Muster")
                                 << "Datei konnte nicht geladen werden";
    QTest::newRow("text as LifeXML") << lifeXml << "kaputt.lxm" << QByteArray("kein Muster")
                                     << "Ungültiges XML - Dokument, Keine MainNode";
    QTest::newRow("text as Bilder") << pictures << "kaputt.png" << QByteArray("kein Bild") << "-";
    QTest::newRow("all: RLE") << allPatterns << "zeile.rle" << rle << "";
    QTest::newRow("all: gzip") << allPatterns << "zeile.rle.gz"
                               << QByteArray::fromStdString(test::gzipped(rle.toStdString())) << "";
    QTest::newRow("all: broken picture") << allPatterns << "kaputt.png" << QByteArray("kein Bild")
                                         << QString::fromUtf8(pictureLoadFailedMessage().text);
    QTest::newRow("all: unknown") << allPatterns << "notiz.txt" << QByteArray("Hallo")
                                  << QString::fromUtf8(unknownFileFormatMessage().text);
  }
  void thePickedFileLoadsAsItsContentShows() {
    QFETCH(int, filter);
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    gadgets().setGadgetText(GadgetId::FileNameField, "vorher.lxm");
    const std::string path = folder->write(name.toStdString(), content.toStdString());
    fileDialogs->choose(path, filter);
    ctrl(Qt::Key_D);
    const bool loaded = message.isEmpty();
    QCOMPARE(text(GadgetId::FileNameField), loaded ? name.toStdString() : "vorher.lxm");
    if (message == "-" || loaded) {
      QVERIFY(messages->shown.empty());
    } else {
      QCOMPARE(messages->shown.size(), size_t(1));
      QCOMPARE(QString::fromStdString(messages->shown[0].text), message);
    }
    if (loaded) {
      QVERIFY(countPopulation(cells(), {gridColumns, gridRows}) > 0);
    }
    ctrl(Qt::Key_D);  // cancelled: the type chosen last is offered again
    QCOMPARE(lastRequest().filterIndex, filter);
    QCOMPARE(lastRequest().filters.size(), loadFormats().size() + 1);
    QCOMPARE(lastRequest().filters.back().name, "Alle Muster");
    const std::vector<std::string>& all = lastRequest().filters.back().patterns;
    for (const char* pattern :
         {"*.lif", "*.lxm", "*.jpeg", "*.rle", "*.cells", "*.mc", "*.rle.gz"}) {
      QVERIFY2(std::ranges::find(all, pattern) != all.end(), pattern);
    }
    QVERIFY(std::ranges::find(all, "*.png.gz") == all.end());
  }

  void communityFormatsLoadAndSave() {
    program->show();
    QVERIFY(QTest::qWaitForWindowExposed(&program->mainWindow()));
    QTest::qWait(20);
    FullPaints paints;
    program->mainWindow().installEventFilter(&paints);
    folder->write("gleiter.rle", "#N Gleiter\nx = 3, y = 3, rule = B3/S23:T8,6\nbo$2bo$3o!\n");
    folder->write("fremd.rle", "x = 3, y = 1, rule = B36/S23\n3o!\n");
    folder->write("block.cells", "!Name: Block\nOO\nOO\n");
    cells().at(40, 40).state = CellState::Static;

    // A typed name without extension opens the .rle file; a bounded grid
    // sets the size and "&Infinit".
    fileDialogs->choose(folder->path("gleiter"), rleLoad);
    ctrl(Qt::Key_D);
    QVERIFY(messages->shown.empty());
    QCOMPARE(value(GadgetId::SizeXSpin), 8);
    QCOMPARE(value(GadgetId::SizeYSpin), 6);
    QCOMPARE(value(GadgetId::InfiniteCheck), 1);
    QCOMPARE(text(GadgetId::FileNameField), "gleiter.rle");
    QCOMPARE(text(GadgetId::CommentEditor), "Gleiter");
    QCOMPARE(cells().at(4, 2).state, CellState::Alive);  // "bo", centred at 4 - 1, 3 - 1
    QCOMPARE(cells().at(40, 40).state, CellState::Dead);
    QVERIFY(program->field().fieldEdited);
    QCOMPARE(program->mainWindow().fieldLayout().columns, 8);
    QTRY_VERIFY(paints.count > 0);

    // Another rule: the message, and nothing changes.
    program->field().fieldEdited = false;
    fileDialogs->choose(folder->path("fremd.rle"), rleLoad);
    ctrl(Qt::Key_D);
    QCOMPARE(messages->shown.size(), size_t(1));
    QVERIFY(sameMessage(messages->shown[0], "Regel wird nicht unterstützt: B36/S23", "Orvalis",
                        MessageIcon::Error));
    QCOMPARE(text(GadgetId::FileNameField), "gleiter.rle");
    QCOMPARE(value(GadgetId::SizeXSpin), 8);
    QVERIFY(!program->field().fieldEdited);

    fileDialogs->choose(folder->path("block"), plaintextLoad);
    ctrl(Qt::Key_D);
    QCOMPARE(lastRequest().filterIndex, rleLoad);
    QCOMPARE(text(GadgetId::FileNameField), "block.cells");
    QCOMPARE(cells().at(3, 2).state, CellState::Alive);
    QCOMPARE(cells().at(4, 3).state, CellState::Alive);
    QCOMPARE(cells().at(3, 3).state, CellState::Alive);
    ctrl(Qt::Key_D);  // cancelled
    QCOMPARE(lastRequest().filterIndex, plaintextLoad);

    // Saving under RLE swaps another pattern extension for .rle. Static
    // cells are written as living only when the user agrees.
    program->field().fieldEdited = false;
    cells().at(0, 0).state = CellState::Static;
    messages->answer = MessageAnswer::No;
    fileDialogs->choose(folder->path("export.lxm"), rleSave);
    ctrl(Qt::Key_P);
    QCOMPARE(messages->shown.size(), size_t(2));
    QVERIFY(sameMessage(
        messages->shown[1],
        "Statische und leere Zellen werden als lebende und tote Zellen gespeichert. Fortfahren?",
        "Orvalis", MessageIcon::Question, MessageButtons::YesNo));
    QVERIFY(!std::filesystem::exists(folder->path("export.rle")));
    QCOMPARE(text(GadgetId::FileNameField), "block.cells");

    messages->answer = MessageAnswer::Yes;
    fileDialogs->choose(folder->path("export.lxm"), rleSave);
    ctrl(Qt::Key_P);
    QCOMPARE(messages->shown.size(), size_t(3));
    QCOMPARE(test::fileContent(folder->path("export.rle")),
             "#CXRLE Pos=-4,-3\n#N Block\nx = 8, y = 6, rule = B3/S23:T8,6\n"
             "o2$3b2o$3b2o!\n");
    QCOMPARE(text(GadgetId::FileNameField), "export.rle");

    // Without fixed cells nothing is asked but the overwrite question.
    cells().at(0, 0).state = CellState::Dead;
    fileDialogs->choose(folder->path("export.rle"), plaintextSave);
    ctrl(Qt::Key_P);
    QCOMPARE(messages->shown.size(), size_t(3));
    QCOMPARE(test::fileContent(folder->path("export.cells")),
             "!Name: Block\n.\n.\n...OO\n...OO\n.\n........\n");
    fileDialogs->choose(folder->path("export"), plaintextSave);
    ctrl(Qt::Key_P);
    QCOMPARE(messages->shown.size(), size_t(4));
    QVERIFY(sameMessage(messages->shown[3], "Datei existiert bereits, überschreiben?", "Life",
                        MessageIcon::Question, MessageButtons::YesNo));
    QVERIFY(!program->field().fieldEdited);
  }

  void saveAsPictureWritesTheFieldAsShown() {
    QVERIFY(showWithActivePanel());
    test::setUpBlinker(gadgets(), cells());
    cells().at(0, 0).state = CellState::Static;
    cells().at(2, 2).state = CellState::Blocked;
    program->field().fieldEdited = true;
    program->mainWindow().invalidateAll();
    // One step leaves the blinker's coming births and deaths on show.
    program->driver().step();
    // A cancelled dialog shows the file types: the picture comes last.
    ctrl(Qt::Key_P);
    const std::vector<platform::FileFilter>& filters = lastRequest().filters;
    QCOMPARE(filters.back().name, "Bild");
    QCOMPARE(filters.back().patterns, std::vector<std::string>{"*.png"});
    const int picture = static_cast<int>(filters.size()) - 1;

    FieldView& view = program->mainWindow();
    gadgets().setGadgetText(GadgetId::FileNameField, "muster.lxm");
    for (const bool grid : {true, false}) {
      gadgets().setGadgetValue(GadgetId::GridCheck, grid ? 1 : 0);
      view.invalidateAll();
      test::settlePaints();
      const std::string name = grid ? "gitter" : "rahmen";
      fileDialogs->choose(folder->path(name + ".lxm"), picture);
      ctrl(Qt::Key_P);
      const QImage saved(QString::fromStdString(folder->path(name + ".png")));
      QVERIFY(!saved.isNull());
      QCOMPARE(saved.convertToFormat(QImage::Format_RGB32),
               test::shownPixels(view).copy(fieldArea(view.fieldLayout(), grid)));
    }
    QCOMPARE(folder->entries(), (std::vector<std::string>{"gitter.png", "rahmen.png"}));
    // A picture is no pattern file: the pattern keeps its name.
    QCOMPARE(text(GadgetId::FileNameField), "muster.lxm");

    fileDialogs->choose(folder->path("fehlt/bild"), picture);
    ctrl(Qt::Key_P);
    QCOMPARE(messages->shown.size(), size_t(1));
    QVERIFY(sameMessage(messages->shown[0], "Bild konnte nicht erstellt werden", "Orvalis",
                        MessageIcon::Error));
  }

  void failedSavesTellTheUserAndKeepTheOldFile() {
    gadgets().setGadgetText(GadgetId::FileNameField, "vorher.lxm");
    fileDialogs->choose(folder->path("fehlt/muster"), lifeXml);
    fileDialogs->choose(folder->path("fehlt/muster"), lifeFile);
    ctrl(Qt::Key_P);
    ctrl(Qt::Key_P);
    QCOMPARE(messages->shown.size(), size_t(2));
    QVERIFY(sameMessage(messages->shown[0], "XML - Datei konnte nicht erstellt werden", "Orvalis",
                        MessageIcon::Error));
    QVERIFY(sameMessage(messages->shown[1], "Datei konnte nicht erstellt werden", "Orvalis",
                        MessageIcon::Error));
    QCOMPARE(text(GadgetId::FileNameField), "vorher.lxm");
    QVERIFY(folder->entries().empty());

    // A disk that is full: even for root the new file cannot be written,
    // and the file it was to replace stays as it was.
    const std::string old = folder->write("alt.lif", "alt");
    messages->answer = MessageAnswer::Yes;
    fileDialogs->choose(old, lifeFile);
    rlimit saved{};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &saved) == 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit full{16, saved.rlim_max};
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &full) == 0);
    ctrl(Qt::Key_P);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    QCOMPARE(messages->shown.size(), size_t(4));
    QVERIFY(sameMessage(messages->shown[3], "Datei konnte nicht erstellt werden", "Orvalis",
                        MessageIcon::Error));
    QCOMPARE(test::fileContent(old), "alt");
    QCOMPARE(folder->entries(), std::vector<std::string>{"alt.lif"});
    QCOMPARE(text(GadgetId::FileNameField), "vorher.lxm");
  }
};

QTEST_MAIN(FileCommandsTest)
#include "FileCommandsTest.moc"
