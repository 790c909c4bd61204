#include <QCheckBox>
#include <QTest>
#include <sstream>
#include <string>
#include <vector>

#include "engine/CellBlock.h"
#include "engine/FieldCommands.h"
#include "engine/Population.h"
#include "shell/editing/FieldEditing.h"
#include "shell/population/PopulationWindow.h"
#include "shell/population/RunReport.h"
#include "tests/shell/ProgramFixture.h"
#include "tools/HeadlessRun.h"

using namespace orvalis;

namespace {

// A pattern as rows of "." and "O".
CellBlock blockOf(const std::vector<std::string>& rows) {
  CellBlock block(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()));
  for (int y = 0; y < block.height; ++y) {
    for (int x = 0; x < block.width; ++x) {
      block.set(x, y, rows[y][x] == 'O' ? CellState::Alive : CellState::Dead);
    }
  }
  return block;
}

struct Case {
  const char* name;
  FieldSize size;
  bool wrapEdges;
  unsigned soupSeed;  // 0: the pattern instead
  std::vector<std::string> pattern;
  long long knownPeriod;  // 0 for a soup
};

std::vector<Case> cases() {
  std::vector<Case> all;
  for (unsigned seed = 1; seed <= 10; ++seed) {
    const int side = 20 + 2 * static_cast<int>(seed);
    all.push_back({"soup", {side, side}, seed % 2 == 0, seed, {}, 0});
  }
  const std::vector<std::string> glider{".O.", "..O", "OOO"};
  all.push_back({"block", {12, 12}, true, 0, {"OO", "OO"}, 1});
  all.push_back({"blinker", {12, 12}, true, 0, {"OOO"}, 2});
  all.push_back({"toad", {12, 12}, true, 0, {".OOO", "OOO."}, 2});
  all.push_back({"beacon", {12, 12}, true, 0, {"OO..", "OO..", "..OO", "..OO"}, 2});
  all.push_back(
      {"pulsar",
       {21, 21},
       true,
       0,
       {"..OOO...OOO..", ".............", "O....O.O....O", "O....O.O....O", "O....O.O....O",
        "..OOO...OOO..", ".............", "..OOO...OOO..", "O....O.O....O", "O....O.O....O",
        "O....O.O....O", ".............", "..OOO...OOO.."},
       3});
  all.push_back(
      {"pentadecathlon", {20, 14}, true, 0, {"..O....O..", "OO.OOOO.OO", "..O....O.."}, 15});
  // A spaceship on a torus comes back where it started: a glider moves one
  // cell diagonally in 4 generations, a lightweight spaceship two cells
  // sideways in 4.
  all.push_back({"glider", {16, 16}, true, 0, glider, 64});
  all.push_back({"glider on a rectangle", {12, 18}, true, 0, glider, 4 * 36});
  all.push_back(
      {"lightweight spaceship", {30, 12}, true, 0, {".O..O", "O....", "O...O", "OOOO."}, 60});
  return all;
}

}  // namespace

// The period the program shows for the run it runs step by step is the one
// the command-line tool's run until stable finds, from the same generation.
class PeriodWatchTest : public QObject, test::ProgramFixture {
  Q_OBJECT

  std::string statusLine() { return gadgets().gadgetText(GadgetId::StatusLine); }

  void setUp(const Case& c) {
    gadgets().setGadgetValue(GadgetId::SizeXSpin, c.size.columns);
    panel().command(GadgetId::SizeXSpin, CommandSource::Control);
    gadgets().setGadgetValue(GadgetId::SizeYSpin, c.size.rows);
    panel().command(GadgetId::SizeYSpin, CommandSource::Control);
    gadgets().setGadgetValue(GadgetId::InfiniteCheck, c.wrapEdges ? 1 : 0);
    panel().command(GadgetId::InfiniteCheck, CommandSource::Control);
    LifeField& field = program->field();
    if (c.soupSeed != 0) {
      Random random(c.soupSeed);
      randomFill(field, c.size, 35, random);
    } else {
      clearField(field.cells, c.size);
      const CellBlock block = blockOf(c.pattern);
      placeBlock(field, c.size, block, (c.size.columns - block.width) / 2,
                 (c.size.rows - block.height) / 2, PasteMode::Copy);
      restartGenerations(field, c.size);
      field.fieldEdited = true;
    }
    // As after a mouse edit.
    program->editing().recordEdit();
    panel().showFieldStatus();
  }

  // The tool's answer on a copy of the field's visible cells.
  static std::optional<Repeat> toolsAnswer(const LifeField& shown, const StepSettings& settings) {
    auto field = std::make_unique<LifeField>();
    for (int x = 0; x < settings.size.columns; ++x) {
      for (int y = 0; y < settings.size.rows; ++y) {
        field->cells.at(x, y).state = shown.cells.at(x, y).state;
      }
    }
    field->fieldEdited = true;
    const cli::StopRequest stop;
    return cli::runHeadless(*field, settings, 20000, true, nullptr, stop).repeat;
  }

 private slots:
  void init() { startProgram(); }
  void cleanup() { endProgram(); }

  void showsTheRepeatTheToolFinds() {
    for (const Case& c : cases()) {
      std::ostringstream named;
      named << c.name << ' ' << c.soupSeed;
      const std::string name = named.str();
      setUp(c);
      const auto expected = toolsAnswer(program->field(), {c.size, c.wrapEdges});
      QVERIFY2(expected, name.c_str());
      if (c.knownPeriod != 0) {
        QCOMPARE(expected->period, c.knownPeriod);
        QCOMPARE(expected->generation, c.knownPeriod);
      }
      std::ostringstream suffix;
      suffix << " \xB7 Periode " << expected->period << " ab Generation " << expected->generation;
      while (program->field().generation < expected->generation) {
        QVERIFY2(statusLine().find("Periode") == std::string::npos, name.c_str());
        panel().command(GadgetId::StepButton, CommandSource::Control);
      }
      const std::string shown = statusLine();
      QVERIFY2(shown.ends_with(suffix.str()), (name + ": " + shown).c_str());
      panel().command(GadgetId::StepButton, CommandSource::Control);
      QVERIFY2(statusLine().ends_with(suffix.str()), name.c_str());
    }
  }

  // Running at 1 ms, the run stops at the generation that repeats when the
  // population window's check box asks for it, and runs on otherwise.
  void stopsTheRunAtTheRepeatWhenAsked() {
    for (const bool stops : {false, true}) {
      const Case soup = cases()[2];
      setUp(soup);
      const auto expected = toolsAnswer(program->field(), {soup.size, soup.wrapEdges});
      QVERIFY(expected);
      program->runReport().showWindow();
      auto* box = program->runReport().window()->findChild<QCheckBox*>();
      QCOMPARE(box->text(), QStringLiteral("Bei Wiederholung anhalten"));
      QCOMPARE(box->isChecked(), false);  // off at first, and until clicked
      if (stops) {
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(box->isChecked());
      }
      gadgets().setGadgetText(GadgetId::IntervalSpin, "1");
      gadgets().setGadgetValue(GadgetId::StartToggle, 1);
      panel().command(GadgetId::StartToggle, CommandSource::Control);
      const auto running = [&] { return gadgets().gadgetValue(GadgetId::StartToggle) != 0; };
      QTRY_VERIFY_WITH_TIMEOUT(!running() || program->field().generation > expected->generation + 5,
                               20000);
      QCOMPARE(running(), !stops);
      if (stops) {
        QCOMPARE(program->field().generation, expected->generation);
        QTest::qWait(30);
        QCOMPARE(program->field().generation, expected->generation);
      }
      gadgets().setGadgetValue(GadgetId::StartToggle, 0);
      panel().command(GadgetId::StartToggle, CommandSource::Control);
    }
  }
};

QTEST_MAIN(PeriodWatchTest)
#include "PeriodWatchTest.moc"
