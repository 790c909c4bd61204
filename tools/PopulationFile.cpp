#include "tools/PopulationFile.h"

namespace orvalis::cli {

PopulationFile::PopulationFile(const std::string& path) : file_(path) {
  file_.write("generation,living,static\n");
}

void PopulationFile::add(long long generation, const BitField& field) {
  file_.write(std::to_string(generation) + ',' + std::to_string(field.livingCount()) + ',' +
              std::to_string(field.staticCount()) + '\n');
}

}  // namespace orvalis::cli
