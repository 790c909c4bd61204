#include <QTest>
#include <map>
#include <set>
#include <utility>

#include "engine/GenerationStep.h"
#include "screen/FieldPicture.h"
#include "screen/HeadlessScreenLayer.h"
#include "screen/Presentation.h"
#include "screen/ScanCodes.h"
#include "settings/SettingsRecord.h"
#include "view/FieldPalette.h"
#include "view/FieldView.h"

using namespace orvalis;

namespace {

// A program's worth of parts around a headless 1920 x 1080 screen. The field
// view is 500 x 400 with a 50 x 50 field: 8-pixel cells from (50, 0).
struct Rig {
  Rig() {
    view.resize(500, 400);
    view.setFieldSize(50, 50);
  }

  void setText(GadgetId id, const char* text) { settings.setGadgetText(id, text); }
  StepSettings stepSettings() {
    return {{static_cast<int>(settings.gadgetValue(GadgetId::SizeXSpin)),
             static_cast<int>(settings.gadgetValue(GadgetId::SizeYSpin))},
            settings.gadgetValue(GadgetId::InfiniteCheck) != 0};
  }
  // A horizontal blinker at (10..12, 10) with its marks computed, so that
  // every generation turns it.
  void placeBlinker() {
    for (int x = 10; x <= 12; ++x) {
      field.cells.at(x, 10).state = CellState::Alive;
    }
    generationStep(field.cells, stepSettings(), true, nullptr);
  }
  bool blinkerIsVertical() const { return field.cells.at(11, 9).state == CellState::Alive; }

  // Runs the presentation; `script` sees each frame right after it was shown.
  void run(std::function<void(int frame)> script) {
    screen.setScript(std::move(script));
    runPresentation(field, settings, view, screen, random);
    QVERIFY(!screen.reachedFrameLimit());
  }

  void tap(int scanCode) {
    screen.pressKey(scanCode);
    screen.releaseKey(scanCode);
  }

  LifeField field;
  SettingsRecord settings;
  FieldView view{field};
  HeadlessScreenLayer screen{QSize(1920, 1080), 200};  // no test needs more frames
  Random random{7};
};

int scanCodeOfLetter(QChar letter) {
  switch (letter.unicode()) {
    case 'P':
      return scanCode::p;
    case 'S':
      return scanCode::space;
    case 'C':
      return scanCode::c;
    default:
      return -1;
  }
}

// Runs a blinker for `frames` frames with keys as "frame:keys, ..." (P, S for
// Space, C; tapped, or with + only pressed, with - only let go) and returns a
// character a frame: G where the frame computed a generation, . where not.
// A key tapped in frame f counts as let go in frame f + 1, so its command
// shows from frame f + 2.
QString generationTrace(const QString& interval, const QString& taps, int frames) {
  Rig rig;
  rig.setText(GadgetId::IntervalSpin, interval.toLatin1().constData());
  rig.placeBlinker();
  std::map<int, QString> keysAt;
  for (const QString& tap : taps.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
    const QStringList parts = tap.trimmed().split(QLatin1Char(':'));
    keysAt[parts[0].toInt()] = parts[1];
  }
  QString trace;
  bool vertical = rig.blinkerIsVertical();
  rig.run([&](int frame) {
    trace += rig.blinkerIsVertical() != vertical ? QLatin1Char('G') : QLatin1Char('.');
    vertical = rig.blinkerIsVertical();
    const QString keys = keysAt[frame];
    for (qsizetype i = 0; i < keys.size(); ++i) {
      const int key = scanCodeOfLetter(keys[i]);
      const QChar how = i + 1 < keys.size() ? keys[i + 1] : QChar();
      if (how != QLatin1Char('-')) {
        rig.screen.pressKey(key);
      }
      if (how != QLatin1Char('+')) {
        rig.screen.releaseKey(key);
      }
      i += how == QLatin1Char('+') || how == QLatin1Char('-');
    }
    if (frame == frames - 1) {
      rig.screen.pressKey(scanCode::escape);
    }
  });
  return trace;
}

// The visible states, marks and memories, row by row.
std::vector<Cell> visibleCells(const CellGrid& grid, FieldSize size) {
  std::vector<Cell> cells;
  for (int y = 0; y < size.rows; ++y) {
    for (int x = 0; x < size.columns; ++x) {
      cells.push_back(grid.at(x, y));
    }
  }
  return cells;
}

}  // namespace

class PresentationTest : public QObject {
  Q_OBJECT

 private slots:
  void keysAndTheirStates_data() {
    QTest::addColumn<QString>("interval");
    QTest::addColumn<QString>("taps");
    QTest::addColumn<QString>("expected");
    // With interval 0 every frame after the first is due: one millisecond
    // passes in each frame's pause.
    QTest::newRow("continuous from the start") << "0"
                                               << ""
                                               << ".GGGGG";
    QTest::newRow("P pauses, P resumes") << "0"
                                         << "2:P, 6:P"
                                         << ".GGG....GG";
    QTest::newRow("Space steps once, then waits until C") << "0"
                                                          << "2:P, 5:S, 9:S, 12:C"
                                                          << ".GGG...G...G..GGG";
    QTest::newRow("C let go with Space wins") << "0"
                                              << "2:P, 5:SC"
                                              << ".GGG...GGGG";
    QTest::newRow("paused continuous and C") << "0"
                                             << "2:P, 5:C"
                                             << ".GGG...GGG";
    QTest::newRow("P twice while waiting keeps waiting") << "0"
                                                         << "2:S, 6:P, 8:P, 10:S"
                                                         << ".GGGG.......G..";
    // Due strictly after 10 ms: frames 11 and 22, unless paused meanwhile.
    QTest::newRow("strictly after the interval")
        << "10"
        << "" << QString(11, '.') + "G" + QString(10, '.') + "G";
    QTest::newRow("a pending step waits while paused")
        << "10"
        << "12:S, 14:P, 25:P" << QString(11, '.') + "G" + QString(15, '.') + "G...";
    QTest::newRow("no digits read as 0") << "abc"
                                         << ""
                                         << ".GGG";
    QTest::newRow("a negative interval is due at once") << "-5"
                                                        << ""
                                                        << "GGGG";
  }

  void keysAndTheirStates() {
    QFETCH(QString, interval);
    QFETCH(QString, taps);
    QFETCH(QString, expected);
    QCOMPARE(generationTrace(interval, taps, static_cast<int>(expected.size())), expected);
  }

  void oneGenerationAFrameHoweverLateItIs() {
    Rig rig;
    rig.setText(GadgetId::IntervalSpin, "20");
    rig.field.cells.at(5, 4).state = CellState::Alive;  // a glider, different in every generation
    rig.field.cells.at(6, 5).state = CellState::Alive;
    rig.field.cells.at(4, 6).state = CellState::Alive;
    rig.field.cells.at(5, 6).state = CellState::Alive;
    rig.field.cells.at(6, 6).state = CellState::Alive;
    const FieldSize size{50, 50};
    LifeField expected;
    rig.run([&](int frame) {
      if (frame == 30) {
        for (int y = 0; y < 50; ++y) {
          for (int x = 0; x < 50; ++x) {
            expected.cells.at(x, y) = rig.field.cells.at(x, y);
          }
        }
        generationStep(expected.cells, rig.stepSettings(), false, nullptr);
        rig.screen.advanceClock(100000);
      }
      if (frame == 32) {
        const auto shown = visibleCells(rig.field.cells, size);
        const auto wanted = visibleCells(expected.cells, size);
        for (std::size_t i = 0; i < shown.size(); ++i) {
          QCOMPARE(shown[i].state, wanted[i].state);
          QCOMPARE(shown[i].pending, wanted[i].pending);
        }
        rig.screen.pressKey(scanCode::escape);
      }
    });
  }

  void gridIsReadEveryFrameAfterTheWindowEvents() {
    Rig rig;
    rig.settings.setGadgetValue(GadgetId::GridCheck, 0);
    std::vector<QRgb> gridLinePixels;
    rig.run([&](int frame) {
      // Between cells (0, 0) and (1, 0) lies a grid line, else the background.
      gridLinePixels.push_back(rig.screen.lastFrame().pixel(436 + 20, 26));
      if (frame == 1) {
        rig.screen.postWindowEvent([&] { rig.settings.setGadgetValue(GadgetId::GridCheck, 1); });
      }
      if (frame == 2) {
        rig.screen.pressKey(scanCode::escape);
      }
    });
    QCOMPARE(gridLinePixels,
             (std::vector<QRgb>{palette::background, palette::background, palette::line}));
  }

  void returnBringsBackTheRememberedFieldWithoutMarks() {
    for (bool running : {false, true}) {
      Rig rig;
      rig.setText(GadgetId::IntervalSpin, "0");
      rig.placeBlinker();
      const std::set<std::pair<int, int>> block{{30, 30}, {31, 30}, {30, 31}, {31, 31}};
      for (auto [x, y] : block) {
        rig.field.cells.at(x, y).remembered = CellState::Alive;
      }
      rig.run([&](int frame) {
        if (frame == 2 && !running) {
          rig.tap(scanCode::p);
        }
        if (frame == 5) {
          rig.tap(scanCode::enter);
        }
        if (frame == 7) {
          // Return acted at the end of frame 6; a running presentation went
          // on with a step that only judged, since no marks were left.
          for (int y = 0; y < 50; ++y) {
            for (int x = 0; x < 50; ++x) {
              const Cell& cell = rig.field.cells.at(x, y);
              const bool inBlock = block.contains({x, y});
              QCOMPARE(cell.state, inBlock ? CellState::Alive : CellState::Dead);
              QCOMPARE(cell.pending, running ? PendingMark::Keep : PendingMark::None);
            }
          }
          rig.screen.pressKey(scanCode::escape);
        }
      });
      QVERIFY(!rig.field.fieldEdited);
    }
  }

  void randomKeyPlacesCellsWithRepeatsAndLeavesTheRestAlone() {
    Rig rig;
    rig.settings.setGadgetValue(GadgetId::SizeXSpin, 10);
    rig.settings.setGadgetValue(GadgetId::SizeYSpin, 10);
    rig.settings.setGadgetValue(GadgetId::RandomPercentSpin, 100);
    rig.setText(GadgetId::IntervalSpin, "100000");
    rig.setText(GadgetId::CommentEditor, "Ein Gleiter");
    rig.field.cells.at(3, 3).state = CellState::Static;
    rig.field.cells.at(3, 3).pending = PendingMark::Keep;
    rig.field.cells.at(20, 20).state = CellState::Alive;
    rig.field.fieldEdited = true;
    rig.run([&](int frame) {
      if (frame == 1) {
        rig.tap(scanCode::r);
      }
      if (frame == 3) {
        rig.screen.pressKey(scanCode::escape);
      }
    });

    // The same generator draws x, then y, a hundred times.
    Random replay(7);
    std::set<std::pair<int, int>> drawn;
    for (int i = 0; i < 100; ++i) {
      const int x = replay.draw(9);
      drawn.insert({x, replay.draw(9)});
    }
    QVERIFY(drawn.size() < 100);
    for (int y = 0; y < 10; ++y) {
      for (int x = 0; x < 10; ++x) {
        const Cell& cell = rig.field.cells.at(x, y);
        const CellState wanted = drawn.contains({x, y}) ? CellState::Alive : CellState::Dead;
        QCOMPARE(cell.state, wanted);
        QCOMPARE(cell.remembered, wanted);
        QCOMPARE(cell.pending, PendingMark::None);
      }
    }
    QCOMPARE(rig.field.cells.at(20, 20).state, CellState::Alive);
    QCOMPARE(rig.settings.gadgetText(GadgetId::CommentEditor), std::string("Ein Gleiter"));
    QVERIFY(rig.field.fieldEdited);
  }

  void escapeEndsWhileHeldAndGivesTheViewItsPositionsBack() {
    Rig rig;
    rig.field.cells.at(60, 60).pixelX = 7;
    rig.field.cells.at(60, 60).pixelY = 9;
    QPoint duringPresentation;
    rig.run([&](int frame) {
      duringPresentation = {rig.field.cells.at(1, 2).pixelX, rig.field.cells.at(1, 2).pixelY};
      QVERIFY(rig.screen.isFullScreen());
      if (frame == 3) {
        rig.screen.pressKey(scanCode::escape);
      }
    });
    QCOMPARE(rig.screen.framesShown(), 4);
    QCOMPARE(rig.screen.title(), QStringLiteral("LifeScreen"));
    QVERIFY(!rig.screen.isFullScreen());
    QCOMPARE(duringPresentation, QPoint(436 + 21, 16 + 42));
    QCOMPARE(rig.field.cells.at(0, 0).pixelX, 51);
    QCOMPARE(rig.field.cells.at(0, 0).pixelY, 1);
    QCOMPARE(rig.field.cells.at(49, 49).pixelX, 50 + 49 * 8 + 1);
    QCOMPARE(rig.field.cells.at(49, 49).pixelY, 49 * 8 + 1);
    QCOMPARE(rig.field.cells.at(60, 60).pixelX, 7);  // outside the field: untouched
    QCOMPARE(rig.field.cells.at(60, 60).pixelY, 9);
  }

  void nextStepAfterThePresentationAppliesItsLastMarks() {
    for (bool editedBefore : {false, true}) {
      Rig rig;
      rig.setText(GadgetId::IntervalSpin, "0");
      rig.placeBlinker();
      rig.field.fieldEdited = editedBefore;
      rig.run([&](int frame) {
        if (frame == 4) {
          rig.screen.pressKey(scanCode::escape);
        }
      });
      QCOMPARE(rig.field.fieldEdited, editedBefore);
      // Four generations from horizontal; the marks say it turns next.
      QVERIFY(!rig.blinkerIsVertical());
      QCOMPARE(rig.field.cells.at(11, 9).pending, PendingMark::Birth);
      advanceGeneration(rig.field, rig.stepSettings(), nullptr);
      QCOMPARE(rig.blinkerIsVertical(), !editedBefore);
      QVERIFY(!rig.field.fieldEdited);
    }
  }
};

QTEST_MAIN(PresentationTest)
#include "PresentationTest.moc"
