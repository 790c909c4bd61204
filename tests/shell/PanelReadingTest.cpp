#include <QAccessible>
#include <QAccessibleInterface>
#include <QTest>
#include <fstream>
#include <sstream>

#include "screen/HeadlessScreenLayer.h"
#include "screen/Presentation.h"
#include "screen/ScanCodes.h"
#include "settings/GadgetTable.h"
#include "shell/driver/SimulationDriver.h"
#include "tests/shell/ProgramFixture.h"
#include "tests/support/TempFolder.h"
#include "view/FieldView.h"

using namespace orvalis;

namespace {

QString accessibleText(QObject* object, QAccessible::Text kind) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
  return face ? face->text(kind) : QStringLiteral("(none)");
}

// The parts of a control that a screen reader can move to and finds no
// name for.
QStringList unnamedFocusableParts(QAccessibleInterface* face) {
  QStringList unnamed;
  if (face->state().focusable && face->text(QAccessible::Name).isEmpty()) {
    unnamed << face->object()->metaObject()->className();
  }
  for (int i = 0; i < face->childCount(); ++i) {
    unnamed << unnamedFocusableParts(face->child(i));
  }
  return unnamed;
}

}  // namespace

// What the panel tells its user: the status line after each command, and
// the names a screen reader reads out.
class PanelReadingTest : public QObject, test::ProgramFixture {
  Q_OBJECT

  test::TempFolder folder_;
  Random random_{7};

  FieldView& view() { return program->mainWindow(); }
  QPoint inside(int x, int y) {
    const Cell& cell = program->field().cells.at(x, y);
    return {cell.pixelX + 1, cell.pixelY + 1};
  }
  void click(GadgetId id) { QTest::mouseClick(gadgets().gadgetHandle(id), Qt::LeftButton); }

  // A glider in RLE, opened as a dropped file would be.
  void loadGlider() {
    const std::string path = folder_.path("glider.rle");
    std::ofstream(path) << "x = 3, y = 3, rule = B3/S23\nbo$2bo$3o!\n";
    program->openFile(path);
  }

  // Three generations of the presentation, each frame one due generation.
  void presentThreeGenerations() {
    HeadlessScreenLayer screen(QSize(1920, 1080), 100);
    screen.setScript([&](int frame) {
      if (frame == 3) {
        screen.pressKey(scanCode::escape);
      }
    });
    panel().hooks().presentation = [&] {
      runPresentation(program->field(), gadgets(), view(), screen, random_);
    };
    gadgets().setGadgetText(GadgetId::IntervalSpin, "0");
    click(GadgetId::ScreenButton);
  }

  void run(const std::string& action) {
    if (action == "blinker") {
      for (const int x : {10, 11, 12}) {
        QTest::mouseClick(&view(), Qt::LeftButton, {}, inside(x, 10));
      }
    } else if (action == "erase") {
      QTest::mouseClick(&view(), Qt::RightButton, {}, inside(11, 9));
    } else if (action == "step") {
      click(GadgetId::StepButton);
    } else if (action == "tick") {
      program->driver().tick();
    } else if (action == "merken") {
      click(GadgetId::RememberButton);
    } else if (action == "zurück") {
      click(GadgetId::BackButton);
    } else if (action == "leeren") {
      click(GadgetId::ClearButton);
    } else if (action == "zufall") {
      click(GadgetId::RandomButton);
    } else if (action == "rechts") {
      click(GadgetId::ShiftRightButton);
    } else if (action == "x11" || action == "x50") {
      gadgets().setGadgetValue(GadgetId::SizeXSpin, std::stoi(action.substr(1)));
    } else if (action == "load") {
      loadGlider();
    } else if (action == "screen") {
      presentThreeGenerations();
    } else {
      QFAIL(action.c_str());
    }
  }

 private slots:
  void init() {
    startProgram();
    QVERIFY(showWithActivePanel());
  }
  void cleanup() { endProgram(); }

  // A horizontal blinker drawn at (10..12, 10) turns every generation; the
  // first step after an edit, a load or a fill only shows what comes.
  void statusLineCountsGenerationsAndLivingCells_data() {
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QString>("shown");
    const auto row = [](const char* actions, const char* shown) {
      QTest::newRow(actions) << QString(actions) << QString::fromUtf8(shown);
    };
    row("", "Generation 0 · 0 lebend");
    row("blinker", "Generation 0 · 3 lebend");
    row("blinker step", "Generation 0 · 3 lebend");
    // Steps and ticks alike: the blinker repeats its start after two.
    row("blinker step step tick", "Generation 2 · 3 lebend · Periode 2 ab Generation 2");
    row("blinker step step tick tick", "Generation 3 · 3 lebend · Periode 2 ab Generation 2");
    row("blinker step step step step erase", "Generation 3 · 2 lebend");
    row("blinker step step erase", "Generation 1 · 2 lebend");
    row("blinker step step erase zurück", "Generation 1 · 2 lebend");
    row("blinker step step merken step step step zurück", "Generation 1 · 3 lebend");
    row("blinker step step merken step step zurück step step", "Generation 2 · 3 lebend");
    row("blinker step step rechts", "Generation 1 · 3 lebend");
    row("blinker step step x11", "Generation 0 · 0 lebend");
    row("blinker step step x11 x50", "Generation 0 · 3 lebend");
    row("blinker step step leeren", "Generation 0 · 0 lebend");
    row("blinker step step zufall", "Generation 0 · 1250 lebend");
    row("zufall step", "Generation 0 · 1250 lebend");
    row("blinker step step load", "Generation 0 · 5 lebend");
    row("load step step step", "Generation 2 · 5 lebend");
    row("blinker step screen", "Generation 3 · 3 lebend");
    row("blinker step screen step", "Generation 4 · 3 lebend");
  }
  void statusLineCountsGenerationsAndLivingCells() {
    QFETCH(QString, actions);
    QFETCH(QString, shown);
    std::istringstream words(actions.toStdString());
    for (std::string action; words >> action;) {
      run(action);
    }
    QCOMPARE(QString::fromLatin1(gadgets().gadgetText(GadgetId::StatusLine)), shown);
    auto* statusLine = gadgets().gadgetHandle(GadgetId::StatusLine);
    QCOMPARE(accessibleText(statusLine, QAccessible::Name), shown);
  }

  // Labels and buttons by their captions without "&"; fields, with every
  // part that takes the focus, by their labels' captions.
  void everyGadgetHasItsSpokenName() {
    const std::pair<GadgetId, const char*> expected[] = {
        {GadgetId::StartToggle, "Start"},
        {GadgetId::ScreenButton, "Screen"},
        {GadgetId::StepButton, "Schritt"},
        {GadgetId::IntervalLabel, "Intervall"},
        {GadgetId::IntervalSpin, "Intervall"},
        {GadgetId::SizeXLabel, "Größe X"},
        {GadgetId::SizeYLabel, "Y"},
        {GadgetId::SizeXSpin, "Größe X"},
        {GadgetId::SizeYSpin, "Y"},
        {GadgetId::GridCheck, "Gitter"},
        {GadgetId::InfiniteCheck, "Infinit"},
        {GadgetId::HideCheck, "Hide"},
        {GadgetId::RandomButton, "Zufall"},
        {GadgetId::RandomPercentSpin, "Zufall"},
        {GadgetId::ClearButton, "Leeren"},
        {GadgetId::BackButton, "Zurück"},
        {GadgetId::RememberButton, "Merken"},
        {GadgetId::ShiftUpButton, "O"},
        {GadgetId::ShiftRightButton, "R"},
        {GadgetId::ShiftDownButton, "U"},
        {GadgetId::ShiftLeftButton, "L"},
        {GadgetId::NormalOption, "Normal"},
        {GadgetId::StaticOption, "Statisch"},
        {GadgetId::BlockedOption, "Leer"},
        {GadgetId::SaveButton, "Speichern"},
        {GadgetId::LoadButton, "Laden"},
        {GadgetId::AboutButton, "Über"},
        {GadgetId::ThresholdLabel, "Schwelle"},
        {GadgetId::ThresholdSpin, "Schwelle"},
        {GadgetId::InvertCheck, "Invers"},
        {GadgetId::FileLabel, "Datei"},
        {GadgetId::FileNameField, "Datei"},
        {GadgetId::CommentLabel, "Kommentar"},
        {GadgetId::CommentEditor, "Kommentar"},
        {GadgetId::AuthorLabel, "Autor"},
        {GadgetId::AuthorField, "Autor"},
        {GadgetId::SourceLabel, "Quelle"},
        {GadgetId::SourceField, "Quelle"},
        {GadgetId::OpenSourceButton, ">"},
        {GadgetId::DateLabel, "Datum"},
        {GadgetId::DateField, "Datum"},
        {GadgetId::DateNowButton, "N"},
        {GadgetId::StatusLine, "Generation 0 · 0 lebend"},
    };
    for (const auto& [id, name] : expected) {
      QWidget* handle = gadgets().gadgetHandle(id);
      QCOMPARE(accessibleText(handle, QAccessible::Name), QString::fromUtf8(name));
      QWidget* control = gadgetKind(id) == GadgetKind::Spin ? handle->parentWidget() : handle;
      QCOMPARE(unnamedFocusableParts(QAccessible::queryAccessibleInterface(control)), {});
      if (gadgetKind(id) == GadgetKind::Label) {
        QCOMPARE(QAccessible::queryAccessibleInterface(handle)->role(), QAccessible::StaticText);
      }
    }
    // The window keeps its title as its name; the description says what it shows.
    QCOMPARE(accessibleText(&view(), QAccessible::Name), "Orvalis V2.0");
    gadgets().setGadgetValue(GadgetId::SizeYSpin, 40);
    QCOMPARE(accessibleText(&view(), QAccessible::Description), "Feld 50 × 40");
  }
};

QTEST_MAIN(PanelReadingTest)
#include "PanelReadingTest.moc"
