#include <QTest>
#include <filesystem>

#include "tests/shell/ProgramFixture.h"
#include "tests/support/TempFolder.h"
#include "view/FieldView.h"

using namespace orvalis;

namespace {

const std::string settingsFile =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
    "\r\n"
    "<Orvalis>\r\n"
    "  <Interval ms=\"250\"/>\r\n"
    "  <Dimensions x=\"100\" y=\"80\"/>\r\n"
    "  <Options grid=\"1\" infinite=\"1\" hide=\"0\"/>\r\n"
    "  <Comment>\r\n"
    "    Nicht beim Start\r\n"
    "  </Comment>\r\n"
    "  <Author name=\"Conway\"/>\r\n"
    "  <Source url=\"https://example.org/muster\"/>\r\n"
    "  <Date d=\"1796596200\"/>\r\n"
    "  <Fields>\r\n"
    "    <F x=\"1\" y=\"0\"/>\r\n"
    "    <S x=\"99\" y=\"79\"/>\r\n"
    "  </Fields>\r\n"
    "</Orvalis>\r\n";

}  // namespace

// Each test starts the program in a fresh current folder of its own.
class SettingsFileTest : public QObject, test::ProgramFixture {
  Q_OBJECT

  std::unique_ptr<test::TempFolder> folder;
  std::filesystem::path previousFolder;

  std::string text(GadgetId id) { return gadgets().gadgetText(id); }
  long long value(GadgetId id) { return gadgets().gadgetValue(id); }

  bool anyCellSet() {
    for (int x = 0; x < gridColumns; ++x) {
      for (int y = 0; y < gridRows; ++y) {
        if (program->field().cells.at(x, y).state != CellState::Dead) {
          return true;
        }
      }
    }
    return false;
  }

 private slots:
  void init() {
    folder = std::make_unique<test::TempFolder>();
    previousFolder = std::filesystem::current_path();
    std::filesystem::current_path(folder->folder());
  }
  void cleanup() {
    endProgram();
    std::filesystem::current_path(previousFolder);
    folder.reset();
  }

  void settingsFileSetsOnlyTheSettings() {
    folder->write("Default.lxm", settingsFile);
    startProgram();
    QVERIFY(messages->shown.empty());
    QCOMPARE(value(GadgetId::IntervalSpin), 250);
    QCOMPARE(value(GadgetId::SizeXSpin), 100);
    QCOMPARE(value(GadgetId::SizeYSpin), 80);
    QCOMPARE(value(GadgetId::GridCheck), 1);
    QCOMPARE(value(GadgetId::InfiniteCheck), 1);
    QCOMPARE(value(GadgetId::HideCheck), 0);
    QCOMPARE(text(GadgetId::AuthorField), "Conway");
    QCOMPARE(text(GadgetId::SourceField), "https://example.org/muster");
    QCOMPARE(text(GadgetId::CommentEditor), "");
    QCOMPARE(value(GadgetId::DateField), 0);
    QCOMPARE(text(GadgetId::FileNameField), "");
    QVERIFY(!anyCellSet());
    QVERIFY(program->field().fieldEdited);
    QCOMPARE(program->mainWindow().fieldLayout().columns, 100);
    QCOMPARE(program->mainWindow().fieldLayout().rows, 80);
    QVERIFY(!program->mainWindow().isVisible());

    // The windows then show the 100 x 80 field with its grid lines.
    program->show();
    QVERIFY(QTest::qWaitForWindowExposed(&program->mainWindow()));
    const FieldLayout& layout = program->mainWindow().fieldLayout();
    QCOMPARE(program->mainWindow().minimumSize(), QSize(200, 160));
    const QImage shown = program->mainWindow().grab().toImage();
    QCOMPARE(shown.pixelColor(layout.cellLeft(1), layout.cellTop(0) + layout.cellHeight / 2),
             QColor(Qt::black));
  }

  void rejectedSettingsFilesAreReportedAndChangeNothing() {
    struct Case {
      std::string content;
      const char* message;  // nothing for a file that is silently passed over
    };
    const std::vector<Case> cases = {
        {"<Muster><Dimensions x=\"100\" y=\"80\"/></Muster>", "Falsches XML - Format"},
        {"<?xml version=\"1.0\"?>\r\n<Orvalis></Orvalis>\r\n", "Leeres XML - Dokument"},
        {"kein XML", "Ungültiges XML - Dokument, Keine MainNode"},
        {"", nullptr},
    };
    for (const Case& one : cases) {
      folder->write("Default.lxm", one.content);
      startProgram();
      if (one.message) {
        QCOMPARE(messages->shown.size(), size_t(1));
        QCOMPARE(messages->shown[0].text, one.message);
        QCOMPARE(messages->shown[0].caption, "Orvalis");
      } else {
        QVERIFY(messages->shown.empty());
      }
      QCOMPARE(value(GadgetId::SizeXSpin), 50);
      QCOMPARE(text(GadgetId::FileNameField), "");
      QVERIFY(!program->field().fieldEdited);
      endProgram();
    }
  }

  void aFolderNamedLikeTheSettingsFileIsPassedOver() {
    std::filesystem::create_directory(folder->path("Default.lxm"));
    startProgram();
    QVERIFY(messages->shown.empty());
    QCOMPARE(value(GadgetId::SizeXSpin), 50);
    QVERIFY(!program->field().fieldEdited);
  }
};

QTEST_MAIN(SettingsFileTest)
#include "SettingsFileTest.moc"
