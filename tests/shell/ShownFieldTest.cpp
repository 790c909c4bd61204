#include <QTest>
#include <algorithm>
#include <random>

#include "tests/shell/ProgramFixture.h"
#include "tests/support/WindowPixels.h"
#include "view/FieldView.h"

using namespace orvalis;

namespace {

// 12 x 10 cells of 20 pixels on a 250 x 230 client: the field spans x 5 to
// 244 and y 15 to 214, with room beside it for the pointer.
constexpr QSize client(250, 230);
constexpr FieldSize size{12, 10};

}  // namespace

// The field window always shows what a fresh paint of the field shows, after
// every edit, command and step: each of them repaints everything it changed.
class ShownFieldTest : public QObject, test::ProgramFixture {
  Q_OBJECT

  FieldView& view() { return program->mainWindow(); }

  QPoint inside(int x, int y) {
    const Cell& cell = program->field().cells.at(x, y);
    return {cell.pixelX + 3, cell.pixelY + 3};
  }
  QPoint cellOf(const QStringList& words, int first) {
    return inside(words[first].toInt(), words[first + 1].toInt());
  }

  // One user action, written as "click x y", "erase x y", "drag x y x y",
  // "hover x y", "away", "step", "infinit", "merken", "zurueck",
  // "shift O|R|U|L", "random percent", "clear" or "grid".
  void act(const QString& action) {
    const QStringList words = action.split(' ');
    const QString& verb = words[0];
    if (verb == "click") {
      QTest::mouseClick(&view(), Qt::LeftButton, {}, cellOf(words, 1));
    } else if (verb == "erase") {
      QTest::mouseClick(&view(), Qt::RightButton, {}, cellOf(words, 1));
    } else if (verb == "drag") {
      QTest::mousePress(&view(), Qt::LeftButton, {}, cellOf(words, 1));
      QTest::mouseMove(&view(), cellOf(words, 3));
      QTest::mouseRelease(&view(), Qt::LeftButton, {}, cellOf(words, 3));
    } else if (verb == "hover") {
      QTest::mouseMove(&view(), cellOf(words, 1));
    } else if (verb == "away") {
      QTest::mouseMove(&view(), QPoint(2, 2));
    } else if (verb == "step") {
      panel().command(GadgetId::StepButton, CommandSource::Accelerator);
    } else if (verb == "infinit") {
      panel().command(GadgetId::InfiniteCheck, CommandSource::Accelerator);
    } else if (verb == "grid") {
      panel().command(GadgetId::GridCheck, CommandSource::Accelerator);
    } else if (verb == "merken") {
      panel().command(GadgetId::RememberButton, CommandSource::Accelerator);
    } else if (verb == "zurueck") {
      panel().command(GadgetId::BackButton, CommandSource::Accelerator);
    } else if (verb == "clear") {
      panel().command(GadgetId::ClearButton, CommandSource::Accelerator);
    } else if (verb == "random") {
      gadgets().setGadgetValue(GadgetId::RandomPercentSpin, words[1].toInt());
      panel().command(GadgetId::RandomButton, CommandSource::Accelerator);
    } else if (verb == "shift") {
      const GadgetId shifts[] = {GadgetId::ShiftUpButton, GadgetId::ShiftRightButton,
                                 GadgetId::ShiftDownButton, GadgetId::ShiftLeftButton};
      panel().command(shifts[QStringLiteral("ORUL").indexOf(words[1])], CommandSource::Accelerator);
    } else {
      QFAIL(qPrintable("unknown action " + action));
    }
  }

  // Runs the actions and compares the window with a fresh paint after each.
  void actAndCompare(const QStringList& actions) {
    for (qsizetype done = 0; done < actions.size(); ++done) {
      act(actions[done]);
      const QString stale = test::staleArea(view());
      const qsizetype first = std::max<qsizetype>(0, done - 7);
      QVERIFY2(stale.isEmpty(), qPrintable(QStringLiteral("after action %1, \"%2\": %3")
                                               .arg(done + 1)
                                               .arg(actions.mid(first, done + 1 - first).join("; "))
                                               .arg(stale)));
    }
  }

  // A random mix of every action, mostly edits and steps.
  static QStringList randomActions(unsigned seed, int count) {
    std::mt19937 random(seed);
    auto below = [&](int bound) {
      return std::uniform_int_distribution<int>(0, bound - 1)(random);
    };
    auto cell = [&] {
      return QStringLiteral("%1 %2").arg(below(size.columns)).arg(below(size.rows));
    };
    QStringList actions;
    while (actions.size() < count) {
      switch (below(16)) {
        case 0:
        case 1:
        case 2:
          actions << "click " + cell();
          break;
        case 3:
          actions << "erase " + cell();
          break;
        case 4:
          actions << "drag " + cell() + " " + cell();
          break;
        case 5:
          actions << "hover " + cell();
          break;
        case 6:
          actions << "away";
          break;
        case 7:
        case 8:
        case 9:
          actions << "step";
          break;
        case 10:
          actions << "infinit";
          break;
        case 11:
          actions << "merken";
          break;
        case 12:
          actions << "zurueck";
          break;
        case 13:
          actions << QStringLiteral("shift %1").arg(QStringLiteral("ORUL")[below(4)]);
          break;
        case 14:
          actions << QStringLiteral("random %1").arg(10 + below(50));
          break;
        default:
          actions << (below(4) == 0 ? "grid" : "clear");
          break;
      }
    }
    return actions;
  }

 private slots:
  void init() {
    startProgram();
    view().resize(client);
    program->show();
    QVERIFY(QTest::qWaitForWindowExposed(&view()));
    gadgets().setGadgetValue(GadgetId::SizeXSpin, size.columns);
    gadgets().setGadgetValue(GadgetId::SizeYSpin, size.rows);
    QCOMPARE(view().queryCellSize(), QSize(20, 20));
    // The first action must not ride on the repaint of the new size.
    QCOMPARE(test::staleArea(view()), QString());
  }
  void cleanup() { endProgram(); }

  void windowShowsAFreshPaintAfterEveryAction_data() {
    QTest::addColumn<QStringList>("actions");
    // A blinker across the wrapped edge, judged with wrapping, then without:
    // its births on the far side are taken back.
    QTest::newRow("infinit between steps")
        << QStringList{"infinit", "click 11 4", "click 0 4", "click 1 4", "step",
                       "step",    "infinit",    "step",      "step"};
    // Edits after "Merken" keep the preview; the next step takes births back.
    QTest::newRow("merken then edits")
        << QStringList{"click 4 4", "click 5 4", "click 6 4", "step", "step", "merken",
                       "erase 5 3", "step",      "click 6 4", "step", "step"};
    // The first edit after a step drops the whole preview.
    QTest::newRow("edit after a step")
        << QStringList{"click 4 4", "click 5 4", "click 6 4", "step", "step", "click 9 8"};
    QTest::newRow("hover frame follows the pointer")
        << QStringList{"hover 1 1", "hover 2 1", "hover 2 2",    "away", "hover 3 3",
                       "grid",      "hover 4 3", "drag 4 3 6 3", "away"};
    QTest::newRow("field commands") << QStringList{
        "random 30", "shift O", "shift R", "shift U", "shift L", "infinit", "shift O",
        "shift R",   "shift U", "shift L", "merken",  "clear",   "zurueck", "step"};
    for (unsigned seed = 1; seed <= 6; ++seed) {
      QTest::addRow("random mix %u", seed) << randomActions(seed, 400);
    }
  }
  void windowShowsAFreshPaintAfterEveryAction() {
    QFETCH(QStringList, actions);
    actAndCompare(actions);
  }
};

QTEST_MAIN(ShownFieldTest)
#include "ShownFieldTest.moc"
