#pragma once

#include "files/PatternDocument.h"
#include "files/pattern/ReadPattern.h"

namespace orvalis {

// The document of a read pattern, placed as every load places it: all
// 500 x 500 cells dead, then the pattern's cells alive. With a bounded grid
// the field takes its size and "&Infinit" its kind, and the pattern lands
// where Golly puts it; otherwise it is centred in the `shown` field, which
// grows to fit it. Name and comment lines become the comment and source as
// PatternDetails maps them. The formats hold no date, so none is left.
// Interval and grid lines stay.
PatternDocument placedPattern(const ReadPattern& pattern, FieldSize shown);

// That document, or the message for a refused file.
DocumentReading patternDocument(const PatternReading& reading, FieldSize shown);

}  // namespace orvalis
