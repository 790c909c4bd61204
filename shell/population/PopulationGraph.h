#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QRgb>
#include <vector>

#include "engine/FieldHistory.h"

class QPainter;

namespace orvalis {

// The colours of the graph's lines and of their names in the legend.
inline constexpr QRgb populationLineColour = qRgb(50, 50, 50);
inline constexpr QRgb birthsLineColour = qRgb(0, 140, 0);
inline constexpr QRgb deathsLineColour = qRgb(150, 0, 0);

// Draws the records as a line graph of the living cells, births and deaths
// over the generations from the first record to the last, on white, with a
// legend ("lebend", "Geburten", "Tode"), the generation range under the
// x axis and the top value beside the y axis. Where more records than pixel
// columns fall on a column, the column shows their least and greatest
// value, so a paint costs one pass over the records and one over the
// columns.
void drawPopulationGraph(QPainter& painter, const QRect& area,
                         const std::vector<GenerationRecord>& records);

// The same graph as a picture of `size`, its texts in `font`.
QImage populationGraphImage(const std::vector<GenerationRecord>& records, QSize size,
                            const QFont& font);

}  // namespace orvalis
