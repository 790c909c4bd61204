#pragma once

#include <string>

#include "engine/BitField.h"
#include "files/io/SafeSave.h"

namespace orvalis::cli {

// The population of a run as CSV: a header line, then one line a
// generation with the number of living and of static cells. The lines go to
// a new file beside the path at once, so that a path that cannot be written
// fails before a long run; the file at the path is replaced only by
// `commit`, and a run that ends without it leaves that file as it was.
class PopulationFile {
 public:
  explicit PopulationFile(const std::string& path);

  bool isOpen() const { return file_.isOpen(); }
  void add(long long generation, const BitField& field);
  // False when any line could not be written or the file not be replaced.
  bool commit() { return file_.commit(); }

 private:
  ReplacingFile file_;
};

}  // namespace orvalis::cli
