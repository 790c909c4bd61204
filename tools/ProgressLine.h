#pragma once

#include <chrono>
#include <functional>
#include <ostream>

namespace orvalis::cli {

// The line on a terminal that tells how far a long run has come:
// "generation 1200 of 5000 (24%)". It appears once the run has taken more
// than a second, is redrawn at most ten times a second in place, and is
// wiped when the run ends.
class ProgressLine {
 public:
  using Clock = std::function<std::chrono::steady_clock::time_point()>;

  // Writes to `terminal`, or nowhere when that is null (not a terminal).
  ProgressLine(std::ostream* terminal, long long total,
               Clock clock = std::chrono::steady_clock::now);
  ~ProgressLine();
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;

  // `done` generations of the total are finished.
  void update(long long done);

 private:
  std::ostream* terminal_;
  long long total_;
  Clock clock_;
  std::chrono::steady_clock::time_point start_;
  std::chrono::steady_clock::time_point lastShown_;
  std::size_t shownLength_ = 0;
};

}  // namespace orvalis::cli
