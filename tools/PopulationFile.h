#pragma once

#include <fstream>
#include <string>

#include "engine/BitField.h"

namespace orvalis::cli {

// The population of a run as CSV: a header line, then one line a
// generation with the number of living and of static cells.
class PopulationFile {
 public:
  // Creates the file at once, so that a path that cannot be written fails
  // before a long run.
  explicit PopulationFile(const std::string& path);

  bool isOpen() const { return file_.is_open(); }
  void add(long long generation, const BitField& field);
  // Writes the rest; false when any line could not be written.
  bool finish();

 private:
  std::ofstream file_;
};

}  // namespace orvalis::cli
