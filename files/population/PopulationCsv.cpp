#include "files/population/PopulationCsv.h"

namespace orvalis {

std::string populationCsvHeader() {
  return "generation,living,static\n";
}

std::string populationCsvLine(long long generation, long long living, long long staticCells) {
  return std::to_string(generation) + ',' + std::to_string(living) + ',' +
         std::to_string(staticCells) + '\n';
}

std::string populationCsv(const std::vector<GenerationRecord>& records) {
  std::string csv = populationCsvHeader();
  for (const GenerationRecord& record : records) {
    csv += populationCsvLine(record.generation, record.population - record.staticCells,
                             record.staticCells);
  }
  return csv;
}

}  // namespace orvalis
