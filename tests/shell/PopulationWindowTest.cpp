#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "engine/FieldCommands.h"
#include "engine/FieldHistory.h"
#include "engine/GenerationStep.h"
#include "engine/Population.h"
#include "files/FileMessages.h"
#include "files/population/PopulationCsv.h"
#include "shell/population/PopulationGraph.h"
#include "shell/population/PopulationWindow.h"
#include "tests/support/FakeFileDialogs.h"
#include "tests/support/FakeMessageBoxes.h"
#include "tests/support/GenerationReplay.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WindowPixels.h"
#include "tools/HeadlessRun.h"
#include "tools/PopulationFile.h"

using namespace orvalis;

namespace {

// A field run as the program runs it: every generation step and edit
// recorded in the history.
struct RecordedRun {
  std::unique_ptr<LifeField> field = std::make_unique<LifeField>();
  StepSettings settings;
  FieldHistory history;

  RecordedRun(StepSettings stepSettings, int percent, std::uint64_t seed) : settings(stepSettings) {
    Random random(seed);
    randomFill(*field, settings.size, percent, random);
    history.reset(*field, settings.size);
  }

  // Calls of the stepping protocol; the first after an edit only judges.
  void step(int calls) {
    for (int call = 0; call < calls; ++call) {
      advanceGeneration(*field, settings, nullptr);
      history.record(*field, settings.size, HistoryKind::Generation, call == 0);
    }
  }
  void edit(const std::function<void(LifeField&)>& change) {
    change(*field);
    field->fieldEdited = true;
    field->population = countPopulation(field->cells, settings.size);
    history.record(*field, settings.size, HistoryKind::Edit);
  }
  std::vector<GenerationRecord> records() const {
    std::vector<GenerationRecord> out;
    history.runRecords(out);
    return out;
  }
};

// What orvalis-cli's --population writes for the run of `field`: its
// generations `from` to `to`, numbered from `offset` on.
void addCommandLineLines(cli::PopulationFile& file, const LifeField& field,
                         const StepSettings& settings, long long from, long long to,
                         long long offset) {
  const auto copy = test::copyOfField(field, settings.size);
  const cli::StopRequest stop;
  cli::runHeadless(
      *copy, settings, to, false,
      [&](long long generation, const BitField& bits) {
        if (generation >= from) {
          file.add(offset + generation, bits);
        }
        return true;
      },
      stop);
}

void setStatic(LifeField& field, int row, int fromColumn, int toColumn) {
  for (int x = fromColumn; x <= toColumn; ++x) {
    field.cells.at(x, row).state = CellState::Static;
  }
}

void toggleBlock(LifeField& field, int left, int top) {
  for (int x = left; x < left + 6; ++x) {
    for (int y = top; y < top + 6; ++y) {
      Cell& cell = field.cells.at(x, y);
      cell.state = cell.state == CellState::Alive ? CellState::Dead : CellState::Alive;
    }
  }
}

int pixelsOf(const QImage& image, QRgb colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      count += image.pixel(x, y) == colour;
    }
  }
  return count;
}

QPushButton* button(QWidget& window, const QString& text) {
  for (QPushButton* candidate : window.findChildren<QPushButton*>()) {
    if (candidate->text() == text) {
      return candidate;
    }
  }
  return nullptr;
}

const QString pngButton = QStringLiteral("Als PNG speichern…");
const QString csvButton = QStringLiteral("Als CSV speichern…");

}  // namespace

class PopulationWindowTest : public QObject {
  Q_OBJECT

  std::unique_ptr<QWidget> owner;
  test::FakeFileDialogs dialogs;
  test::FakeMessageBoxes messages;
  std::unique_ptr<test::TempFolder> folder;

  std::unique_ptr<PopulationWindow> windowOf(const FieldHistory& history) {
    return std::make_unique<PopulationWindow>(owner.get(), history, dialogs, messages);
  }
  static QWidget& graphOf(PopulationWindow& window) {
    return *window.findChild<QWidget*>(QStringLiteral("populationGraph"));
  }
  // The graph as the window shows it now.
  static QImage shownGraph(PopulationWindow& window) {
    QWidget& graph = graphOf(window);
    return test::shownPixels(window).copy(QRect(graph.mapTo(&window, QPoint()), graph.size()));
  }
  static QImage renderedGraph(PopulationWindow& window, const FieldHistory& history, QSize size) {
    std::vector<GenerationRecord> records;
    history.runRecords(records);
    return populationGraphImage(records, size, graphOf(window).font());
  }

 private slots:
  void init() {
    owner = std::make_unique<QWidget>();
    dialogs = {};
    messages = {};
    folder = std::make_unique<test::TempFolder>();
  }
  void cleanup() {
    folder.reset();
    owner.reset();
  }

  void theCsvHoldsTheCommandLineLinesOfTheSameRun() {
    struct Case {
      const char* name;
      StepSettings settings;
      int percent;
      std::function<void(LifeField&)> before;  // made before the run, as an edit
      int firstGenerations;
      std::function<void(LifeField&)> midway;  // none: the run goes on
      int laterGenerations;
    };
    const auto staticBar = [](LifeField& field) { setStatic(field, 12, 4, 25); };
    const auto newSoup = [](LifeField& field) {
      Random random(99);
      randomFill(field, {40, 30}, 45, random);
    };
    const std::vector<Case> cases{
        {"soup on a plane", {{60, 40}, false}, 40, nullptr, 60, nullptr, 0},
        {"soup on a torus", {{50, 50}, true}, 35, nullptr, 60, nullptr, 0},
        {"static cells", {{30, 30}, false}, 40, staticBar, 40, nullptr, 0},
        {"edited mid-way",
         {{40, 30}, false},
         40,
         nullptr,
         20,
         [](LifeField& field) { toggleBlock(field, 10, 10); },
         25},
        {"filled anew mid-way", {{40, 30}, false}, 40, nullptr, 20, newSoup, 25},
    };
    for (const Case& c : cases) {
      RecordedRun run(c.settings, c.percent, 7);
      // Shown from the start and never refreshed, the save still takes the
      // run as it stands.
      const auto window = windowOf(run.history);
      window->show();
      if (c.before) {
        run.edit(c.before);
      }
      // The lines begin anew where the count restarts.
      const std::string path = folder->path(std::string(c.name) + ".csv");
      std::optional<cli::PopulationFile> expected(path);
      addCommandLineLines(*expected, *run.field, c.settings, 0, c.firstGenerations, 0);
      run.step(c.firstGenerations + 1);
      if (c.midway) {
        run.edit(c.midway);
        const long long edited = run.field->generation;
        if (edited == 0) {
          expected.emplace(path);
        }
        addCommandLineLines(*expected, *run.field, c.settings, edited == 0 ? 0 : 1,
                            c.laterGenerations, edited);
        run.step(c.laterGenerations + 1);
      }
      QVERIFY(expected->commit());

      dialogs.choose(folder->path(std::string(c.name) + " window"), 0);
      button(*window, csvButton)->click();
      QVERIFY2(messages.shown.empty(), c.name);
      const std::string saved =
          test::fileContent(folder->path(std::string(c.name) + " window.csv"));
      QCOMPARE(QString::fromStdString(saved), QString::fromStdString(test::fileContent(path)));
      QCOMPARE(std::count(saved.begin(), saved.end(), '\n'), run.field->generation + 2);
    }
  }

  // Shown or refreshed, the window shows the run the history holds now: the
  // living cells' line from the single first record on, the deaths' once
  // cells die; hidden, it waits for the show.
  void theGraphShowsTheRunOfTheHistory() {
    struct Case {
      const char* name;
      int calls;  // of the stepping protocol before
      std::function<void(PopulationWindow&)> action;
      bool deaths;
    };
    const auto show = [](PopulationWindow& window) { window.show(); };
    const auto refresh = [](PopulationWindow& window) { window.refresh(); };
    const auto hide = [](PopulationWindow& window) { window.hide(); };
    RecordedRun run({{60, 40}, false}, 40, 3);
    const auto window = windowOf(run.history);
    const std::vector<Case> cases{
        {"first record, shown", 1, show, false}, {"run, refreshed", 30, refresh, true},
        {"run while hidden", 10, hide, true},    {"hidden run, refreshed", 10, refresh, true},
        {"hidden run, shown", 0, show, true},
    };
    for (const Case& c : cases) {
      run.step(c.calls);
      c.action(*window);
      if (!window->isVisible()) {
        continue;
      }
      const QImage shown = shownGraph(*window);
      const QImage legendOnly = populationGraphImage({}, shown.size(), graphOf(*window).font());
      QVERIFY2(shown == renderedGraph(*window, run.history, shown.size()), c.name);
      QVERIFY2(pixelsOf(shown, populationLineColour) > pixelsOf(legendOnly, populationLineColour),
               c.name);
      QCOMPARE(pixelsOf(shown, deathsLineColour) > pixelsOf(legendOnly, deathsLineColour),
               c.deaths);
    }
  }

  // The picture saved is the graph the window shows, at least 800 x 400.
  void thePictureIsTheGraphShown() {
    RecordedRun run({{60, 40}, true}, 40, 5);
    run.step(41);
    const auto window = windowOf(run.history);
    window->show();
    for (const QSize windowSize : {QSize(520, 320), QSize(1000, 600)}) {
      window->resize(windowSize);
      test::settlePaints();
      const QSize graphSize = graphOf(*window).size();
      const std::string path = folder->path("bild.png");
      std::filesystem::remove(path);
      dialogs.choose(path, 0);
      button(*window, pngButton)->click();
      const QImage saved =
          QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
      if (graphSize.width() >= 800 && graphSize.height() >= 400) {
        QCOMPARE(saved, shownGraph(*window));
      } else {
        QCOMPARE(saved.size(), QSize(800, 400));
        QCOMPARE(saved, renderedGraph(*window, run.history, QSize(800, 400)));
      }
    }
    QVERIFY(messages.shown.empty());
  }

  void theRepeatLineShowsThePeriod() {
    struct Case {
      std::optional<Repeat> repeat;
      QString text;
    };
    const std::vector<Case> cases{
        {Repeat{5, 1}, QStringLiteral("Periode 1 ab Generation 5")},
        {Repeat{1234, 30}, QStringLiteral("Periode 30 ab Generation 1234")},
        {std::nullopt, QString()},
    };
    RecordedRun run({{10, 10}, false}, 0, 1);
    const auto window = windowOf(run.history);
    window->show();
    const auto* line = window->findChild<QLabel*>(QStringLiteral("period"));
    for (const Case& c : cases) {
      window->showRepeat(c.repeat);
      QCOMPARE(line->text(), c.text);
    }
    auto* stop = window->findChild<QCheckBox*>();
    QCOMPARE(stop->text(), QStringLiteral("Bei Wiederholung anhalten"));
    QVERIFY(!window->stopsAtRepeat());
    stop->click();
    QVERIFY(window->stopsAtRepeat());
  }

  // The dialog proposes the name and file type; a name without extension
  // gets it; anything at the path stays unless the user agrees, and a save
  // that fails says so and leaves nothing behind.
  void savingAsksAndNeverLosesAFile() {
    enum class Said { Nothing, Question, Failure, QuestionAndFailure };
    struct Case {
      const char* name;
      bool picture;
      const char* chosen;
      const char* existing;  // a file's content there, or a folder
      MessageAnswer answer;
      const char* written;  // the file that holds the save, or none
      Said said;
    };
    const std::vector<Case> cases{
        {"csv without extension", false, "a", nullptr, MessageAnswer::Ok, "a.csv", Said::Nothing},
        {"png without extension", true, "b", nullptr, MessageAnswer::Ok, "b.png", Said::Nothing},
        {"csv over a kept file", false, "c.csv", "alt", MessageAnswer::No, nullptr, Said::Question},
        {"png over a kept file", true, "d.png", "alt", MessageAnswer::No, nullptr, Said::Question},
        {"csv over a replaced file", false, "e.csv", "alt", MessageAnswer::Yes, "e.csv",
         Said::Question},
        {"csv into a missing folder", false, "fehlt/f.csv", nullptr, MessageAnswer::Ok, nullptr,
         Said::Failure},
        {"png into a missing folder", true, "fehlt/g.png", nullptr, MessageAnswer::Ok, nullptr,
         Said::Failure},
        {"csv over a folder", false, "h.csv", "", MessageAnswer::Yes, nullptr,
         Said::QuestionAndFailure},
    };
    RecordedRun run({{30, 30}, false}, 40, 9);
    run.step(11);
    const auto window = windowOf(run.history);
    window->show();
    for (const Case& c : cases) {
      const std::string target = folder->path(c.chosen);
      if (c.existing && *c.existing) {
        folder->write(c.chosen, c.existing);
      } else if (c.existing) {
        std::filesystem::create_directory(target);
      }
      const std::vector<std::string> before = folder->entries();
      messages.shown.clear();
      messages.answer = c.answer;
      dialogs.choose(target, 0);
      button(*window, c.picture ? pngButton : csvButton)->click();

      const platform::FileDialogRequest& request = dialogs.shown.back().request;
      QCOMPARE(request.filters.size(), std::size_t{1});
      QCOMPARE(request.filters[0].name, std::string(c.picture ? "PNG-Bild" : "CSV"));
      QCOMPARE(request.filters[0].patterns,
               std::vector<std::string>{c.picture ? "*.png" : "*.csv"});
      QCOMPARE(request.fileName, std::string(c.picture ? "population.png" : "population.csv"));
      std::vector<std::string> said;
      for (const UserMessage& message : messages.shown) {
        said.push_back(message.text);
      }
      const std::string failure =
          (c.picture ? pictureSaveFailedMessage() : lifeFileSaveFailedMessage()).text;
      const std::string question = "Datei existiert bereits, überschreiben?";
      const std::vector<std::vector<std::string>> expected{
          {}, {question}, {failure}, {question, failure}};
      QVERIFY2(said == expected[static_cast<std::size_t>(c.said)], c.name);
      if (c.written) {
        const std::string content = test::fileContent(folder->path(c.written));
        QVERIFY2(
            c.picture ? content.starts_with("\x89PNG") : content == populationCsv(run.records()),
            c.name);
      } else {
        QVERIFY2(folder->entries() == before, c.name);
        if (c.existing && *c.existing) {
          QCOMPARE(test::fileContent(target), std::string(c.existing));
        }
      }
    }
  }
};

QTEST_MAIN(PopulationWindowTest)
#include "PopulationWindowTest.moc"
