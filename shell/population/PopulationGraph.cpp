#include "shell/population/PopulationGraph.h"

#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <array>

namespace orvalis {
namespace {

constexpr int gap = 4;
constexpr int legendSwatch = 14;
constexpr int flatLength = 4;  // of the line a single column shows
constexpr QRgb axisColour = qRgb(160, 160, 160);
constexpr QRgb axisTextColour = qRgb(0, 0, 0);

// The first record's births and deaths are unknown rather than none, so
// their lines begin with the second record.
struct GraphLine {
  int GenerationRecord::*value;
  bool fromFirstRecord;
  QRgb colour;
  const char* name;
};
constexpr std::array<GraphLine, 3> graphLines{{
    {&GenerationRecord::population, true, populationLineColour, "lebend"},
    {&GenerationRecord::births, false, birthsLineColour, "Geburten"},
    {&GenerationRecord::deaths, false, deathsLineColour, "Tode"},
}};

// The values of one line that fall on one pixel column: where it enters
// and leaves the column, and the range between.
struct ColumnValues {
  bool used = false;
  int first = 0;
  int last = 0;
  int low = 0;
  int high = 0;
};

using Column = std::array<ColumnValues, graphLines.size()>;

// The least of 1, 2, 5, 10, 20, 50, ... at or above `value`, so that the y
// axis ends at a round number and never at 0.
long long roundedTop(long long value) {
  for (long long step = 1;; step *= 10) {
    for (const long long factor : {1, 2, 5}) {
      if (factor * step >= value) {
        return factor * step;
      }
    }
  }
}

// One pass over the records: each lands on the pixel column of its
// generation.
std::vector<Column> columnsOf(const std::vector<GenerationRecord>& records, int width) {
  std::vector<Column> columns(static_cast<std::size_t>(width));
  if (records.empty()) {
    return columns;
  }
  const long long firstGeneration = records.front().generation;
  const long long span = std::max(records.back().generation - firstGeneration, 1LL);
  const double scale = static_cast<double>(width - 1) / static_cast<double>(span);
  for (const GenerationRecord& record : records) {
    const int index = std::clamp(
        static_cast<int>(static_cast<double>(record.generation - firstGeneration) * scale), 0,
        width - 1);
    Column& column = columns[static_cast<std::size_t>(index)];
    const bool first = &record == &records.front();
    for (std::size_t line = 0; line < graphLines.size(); ++line) {
      if (first && !graphLines[line].fromFirstRecord) {
        continue;
      }
      const int value = record.*graphLines[line].value;
      ColumnValues& values = column[line];
      if (!values.used) {
        values = {true, value, value, value, value};
      } else {
        values.last = value;
        values.low = std::min(values.low, value);
        values.high = std::max(values.high, value);
      }
    }
  }
  return columns;
}

long long greatestValue(const std::vector<Column>& columns) {
  long long greatest = 0;
  for (const Column& column : columns) {
    for (const ColumnValues& values : column) {
      greatest = std::max<long long>(greatest, values.high);
    }
  }
  return greatest;
}

void drawLegend(QPainter& painter, QPoint start) {
  const QFontMetrics metrics = painter.fontMetrics();
  int x = start.x();
  const int middle = start.y() + metrics.height() / 2;
  for (const GraphLine& line : graphLines) {
    painter.setPen(QColor(line.colour));
    painter.drawLine(x, middle, x + legendSwatch - 1, middle);
    x += legendSwatch + gap;
    const QString name = QString::fromUtf8(line.name);
    painter.drawText(x, start.y() + metrics.ascent(), name);
    x += metrics.horizontalAdvance(name) + 3 * gap;
  }
}

// Each used column adds where the line enters it, its range and where it
// leaves it, so that the polyline covers every value of the column.
void drawLines(QPainter& painter, const QRect& plot, const std::vector<Column>& columns,
               long long top) {
  const auto yOf = [&](int value) {
    return plot.bottom() - static_cast<int>(value * (plot.height() - 1) / top);
  };
  QPolygon points;
  points.reserve(4 * static_cast<int>(columns.size()) + 1);
  for (std::size_t line = 0; line < graphLines.size(); ++line) {
    points.clear();
    for (std::size_t index = 0; index < columns.size(); ++index) {
      const ColumnValues& values = columns[index][line];
      if (!values.used) {
        continue;
      }
      const int x = plot.left() + static_cast<int>(index);
      points << QPoint(x, yOf(values.first)) << QPoint(x, yOf(values.low))
             << QPoint(x, yOf(values.high)) << QPoint(x, yOf(values.last));
    }
    if (points.size() == 4) {
      points << QPoint(points.back().x() + flatLength, points.back().y());
    }
    painter.setPen(QColor(graphLines[line].colour));
    painter.drawPolyline(points);
  }
}

}  // namespace

void drawPopulationGraph(QPainter& painter, const QRect& area,
                         const std::vector<GenerationRecord>& records) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillRect(area, Qt::white);
  const QFontMetrics metrics = painter.fontMetrics();
  // The top is known only from the columns, the columns only from the
  // plot's width, which leaves room for the top's text: the widest text a
  // top can have (a field holds at most 250,000 cells) fixes it first.
  const int textWidth = metrics.horizontalAdvance(QStringLiteral("500000"));
  const QRect plot(
      QPoint(area.left() + textWidth + 2 * gap, area.top() + metrics.height() + 2 * gap),
      QPoint(area.right() - flatLength - gap, area.bottom() - metrics.height() - gap));
  if (plot.width() < 2 || plot.height() < 2) {
    painter.restore();
    return;
  }
  const std::vector<Column> columns = columnsOf(records, plot.width());
  const long long top = roundedTop(greatestValue(columns));

  painter.setPen(QColor(axisColour));
  painter.drawLine(plot.bottomLeft() + QPoint(-1, 1), plot.bottomRight() + QPoint(0, 1));
  painter.drawLine(plot.bottomLeft() + QPoint(-1, 1), plot.topLeft() + QPoint(-1, 0));
  painter.setPen(QColor(axisTextColour));
  const QRect valueLabels(area.left(), plot.top(), textWidth + gap, metrics.height());
  painter.drawText(valueLabels, Qt::AlignRight | Qt::AlignTop, QString::number(top));
  painter.drawText(valueLabels.translated(0, plot.height() - metrics.height()),
                   Qt::AlignRight | Qt::AlignBottom, QStringLiteral("0"));
  if (!records.empty()) {
    const QRect generationLabels(plot.left(), plot.bottom() + gap, plot.width(), metrics.height());
    painter.drawText(generationLabels, Qt::AlignLeft | Qt::AlignTop,
                     QString::number(records.front().generation));
    if (records.back().generation != records.front().generation) {
      painter.drawText(generationLabels, Qt::AlignRight | Qt::AlignTop,
                       QString::number(records.back().generation));
    }
  }
  drawLegend(painter, QPoint(plot.left(), area.top() + gap));
  drawLines(painter, plot, columns, top);
  painter.restore();
}

QImage populationGraphImage(const std::vector<GenerationRecord>& records, QSize size,
                            const QFont& font) {
  QImage image(size, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setFont(font);
  drawPopulationGraph(painter, image.rect(), records);
  return image;
}

}  // namespace orvalis
