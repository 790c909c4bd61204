#include "tools/PopulationFile.h"

namespace orvalis::cli {

PopulationFile::PopulationFile(const std::string& path)
    : file_(path, std::ios::binary | std::ios::trunc) {
  file_ << "generation,living,static\n";
}

void PopulationFile::add(long long generation, const BitField& field) {
  file_ << generation << ',' << field.livingCount() << ',' << field.staticCount() << '\n';
}

bool PopulationFile::finish() {
  file_.close();
  return !file_.fail();
}

}  // namespace orvalis::cli
