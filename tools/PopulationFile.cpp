#include "tools/PopulationFile.h"

#include "files/population/PopulationCsv.h"

namespace orvalis::cli {

PopulationFile::PopulationFile(const std::string& path) : file_(path) {
  file_.write(populationCsvHeader());
}

void PopulationFile::add(long long generation, const BitField& field) {
  file_.write(populationCsvLine(generation, field.livingCount(), field.staticCount()));
}

}  // namespace orvalis::cli
