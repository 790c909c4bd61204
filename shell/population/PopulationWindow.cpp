#include "shell/population/PopulationWindow.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "files/FileMessages.h"
#include "files/io/SafeSave.h"
#include "files/picture/PngWriter.h"
#include "files/population/PopulationCsv.h"
#include "shell/filecommands/FilePaths.h"
#include "shell/filecommands/ReplaceConsent.h"
#include "shell/population/PopulationGraph.h"

namespace orvalis {
namespace {

constexpr QSize defaultSize(520, 320);
constexpr QSize smallestPicture(800, 400);

// The graph of the records the window holds, painted whole at every
// refresh.
class GraphView : public QWidget {
 public:
  GraphView(QWidget* parent, const std::vector<GenerationRecord>& records)
      : QWidget(parent), records_(records) {
    setObjectName(QStringLiteral("populationGraph"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 100);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    drawPopulationGraph(painter, rect(), records_);
  }

 private:
  const std::vector<GenerationRecord>& records_;
};

}  // namespace

PopulationWindow::PopulationWindow(QWidget* owner, const FieldHistory& history,
                                   platform::FileDialogs& dialogs, platform::MessageBoxes& messages)
    : QWidget(owner, Qt::Tool),
      history_(history),
      dialogs_(dialogs),
      messages_(messages),
      graph_(new GraphView(this, records_)),
      period_(new QLabel(this)),
      stopAtRepeat_(new QCheckBox(QStringLiteral("Bei Wiederholung anhalten"), this)) {
  setWindowTitle(QStringLiteral("Population"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  // Without text the line keeps its height, so that the graph stays put.
  period_->setObjectName(QStringLiteral("period"));
  period_->setMinimumHeight(period_->fontMetrics().height());
  auto* pngButton = new QPushButton(QStringLiteral("Als PNG speichern…"), this);
  auto* csvButton = new QPushButton(QStringLiteral("Als CSV speichern…"), this);
  connect(pngButton, &QPushButton::clicked, this, &PopulationWindow::savePicture);
  connect(csvButton, &QPushButton::clicked, this, &PopulationWindow::saveCsv);
  auto* controls = new QHBoxLayout;
  controls->addWidget(stopAtRepeat_);
  controls->addStretch();
  controls->addWidget(pngButton);
  controls->addWidget(csvButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(graph_, 1);
  layout->addWidget(period_);
  layout->addLayout(controls);
  resize(defaultSize);
}

void PopulationWindow::refresh() {
  if (!isVisible()) {
    return;
  }
  history_.runRecords(records_);
  graph_->update();
}

void PopulationWindow::showEvent(QShowEvent* event) {
  history_.runRecords(records_);
  QWidget::showEvent(event);
}

void PopulationWindow::showRepeat(std::optional<Repeat> repeat) {
  period_->setText(repeat ? QStringLiteral("Periode %1 ab Generation %2")
                                .arg(repeat->period)
                                .arg(repeat->generation)
                          : QString());
}

bool PopulationWindow::stopsAtRepeat() const {
  return stopAtRepeat_->isChecked();
}

std::string PopulationWindow::askPath(const char* title, platform::FileFilter filter,
                                      const char* fileName, const char* extension) {
  std::string path =
      dialogs_
          .askSavePath(this,
                       {title, {std::move(filter)}, 0, pathProposal(lastPath_).folder, fileName})
          .path;
  if (path.empty()) {
    return {};
  }
  addExtension(path, extension);
  if (!mayReplace(path, messages_, this)) {
    return {};
  }
  lastPath_ = path;
  // What is saved is the run as it stands, and the graph shows the same.
  history_.runRecords(records_);
  graph_->update();
  return path;
}

// The picture is at least 800 x 400 pixels, larger as the window shows it.
void PopulationWindow::savePicture() {
  const std::string path =
      askPath("Als PNG speichern", {"PNG-Bild", {"*.png"}}, "population.png", ".png");
  if (!path.empty() &&
      !writePng(path, populationGraphImage(records_, graph_->size().expandedTo(smallestPicture),
                                           graph_->font()))) {
    messages_.show(this, pictureSaveFailedMessage());
  }
}

void PopulationWindow::saveCsv() {
  const std::string path =
      askPath("Als CSV speichern", {"CSV", {"*.csv"}}, "population.csv", ".csv");
  if (!path.empty() && !saveFileReplacing(path, populationCsv(records_))) {
    messages_.show(this, lifeFileSaveFailedMessage());
  }
}

}  // namespace orvalis
