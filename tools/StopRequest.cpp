#include "tools/StopRequest.h"

#include <csignal>
#include <iterator>

namespace orvalis::cli {
namespace {

volatile std::sig_atomic_t stopSignalled = 0;

extern "C" void noteStop(int) {
  stopSignalled = 1;
}

constexpr int stopSignals[] = {SIGINT, SIGTERM};
struct sigaction formerHandling[std::size(stopSignals)];

}  // namespace

StopRequest::StopRequest() {
  stopSignalled = 0;
  struct sigaction handling {};
  handling.sa_handler = noteStop;
  sigemptyset(&handling.sa_mask);
  // Interrupted reads and writes go on; the command looks at the flag.
  handling.sa_flags = SA_RESTART;
  for (std::size_t i = 0; i < std::size(stopSignals); ++i) {
    sigaction(stopSignals[i], &handling, &formerHandling[i]);
    // A signal ignored from the start (a job in the background) stays so.
    if (formerHandling[i].sa_handler == SIG_IGN) {
      sigaction(stopSignals[i], &formerHandling[i], nullptr);
    }
  }
}

StopRequest::~StopRequest() {
  for (std::size_t i = 0; i < std::size(stopSignals); ++i) {
    sigaction(stopSignals[i], &formerHandling[i], nullptr);
  }
}

bool StopRequest::requested() const {
  return stopSignalled != 0;
}

}  // namespace orvalis::cli
