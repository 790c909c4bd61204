#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace orvalis::cli {

inline constexpr int exitSuccess = 0;
inline constexpr int exitFileFailed = 1;
inline constexpr int exitBadArguments = 2;

// orvalis-cli with the arguments after the program name: convert, run or
// info, reporting on `out` and, for failures, on `err`. Returns the exit code.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace orvalis::cli
