#include "tools/ProgressLine.h"

#include <string>

namespace orvalis::cli {
namespace {

using namespace std::chrono_literals;

constexpr auto quietStart = 1s;
constexpr auto redrawPause = 100ms;

}  // namespace

ProgressLine::ProgressLine(std::ostream* terminal, long long total, Clock clock)
    : terminal_(terminal),
      total_(total),
      clock_(std::move(clock)),
      start_(clock_()),
      lastShown_(start_ - redrawPause) {}

ProgressLine::~ProgressLine() {
  if (shownLength_ > 0) {
    *terminal_ << '\r' << std::string(shownLength_, ' ') << '\r' << std::flush;
  }
}

void ProgressLine::update(long long done) {
  if (!terminal_) {
    return;
  }
  const auto now = clock_();
  if (now - start_ <= quietStart || now - lastShown_ < redrawPause) {
    return;
  }
  lastShown_ = now;
  const long long percent = total_ > 0 ? done * 100 / total_ : 100;
  const std::string line = "generation " + std::to_string(done) + " of " + std::to_string(total_) +
                           " (" + std::to_string(percent) + "%)";
  // Blanks wipe what a longer line left.
  *terminal_ << '\r' << line
             << std::string(shownLength_ > line.size() ? shownLength_ - line.size() : 0, ' ')
             << std::flush;
  shownLength_ = std::max(shownLength_, line.size());
}

}  // namespace orvalis::cli
