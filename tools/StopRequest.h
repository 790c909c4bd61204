#pragma once

namespace orvalis::cli {

// While it lives, Ctrl+C (SIGINT) and SIGTERM no longer end the process at
// once but ask the command to stop, so that it can end without leaving a
// half-written or temporary file. The signals' former handling comes back
// when it ends.
class StopRequest {
 public:
  StopRequest();
  ~StopRequest();
  StopRequest(const StopRequest&) = delete;
  StopRequest& operator=(const StopRequest&) = delete;

  bool requested() const;
};

}  // namespace orvalis::cli
