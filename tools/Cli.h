#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace orvalis::cli {

inline constexpr int exitSuccess = 0;
inline constexpr int exitFileFailed = 1;
inline constexpr int exitBadArguments = 2;
// Stopped by Ctrl+C, as shells count it (128 + SIGINT).
inline constexpr int exitInterrupted = 130;

// orvalis-cli with the arguments after the program name: convert, run,
// render, animate or info, reporting on `out` and, for failures, on `err`.
// Long runs show their progress on `err` when it is a terminal. Returns the
// exit code.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           bool errIsTerminal = false);

}  // namespace orvalis::cli
