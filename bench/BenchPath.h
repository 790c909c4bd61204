#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

namespace orvalis {

// A file of this benchmark process in the temporary folder.
inline std::string benchPath(const std::string& name) {
  return (std::filesystem::temp_directory_path() /
          ("orvalis-bench-" + std::to_string(::getpid()) + "-" + name))
      .string();
}

}  // namespace orvalis
