#pragma once

#include <string>
#include <vector>

#include "engine/FieldHistory.h"

namespace orvalis {

// The population of a run as CSV, as orvalis-cli and the population window
// write it: a header line, then one line a generation with the cells alive
// and the static cells, each line ending in a line feed.
std::string populationCsvHeader();
std::string populationCsvLine(long long generation, long long living, long long staticCells);

// The header and a line for each record; living are the counted cells that
// are not static.
std::string populationCsv(const std::vector<GenerationRecord>& records);

}  // namespace orvalis
