// Requests to stop a batch: Ctrl-C, a closed terminal or console, a termination request.
#pragma once

#include <optional>
#include <string>

namespace tarmaxion::cli {

struct StopRequest {
  int exit_code = 0;  // 128 + the signal: 130 for Ctrl-C, 143 for a termination request
  std::string what;   // "SIGTERM", "Ctrl-C"
};

// While one lives, a request to stop is noted instead of ending the program at once, so a
// batch can finish the copy it is writing, say how far it got and end with the request's exit
// code. A second request ends the program as usual, and a request its parent had the program
// ignore stays ignored. Implemented per system (StopRequestsPosix.cpp, windows/).
class StopRequests {
 public:
  StopRequests();
  ~StopRequests();
  StopRequests(const StopRequests&) = delete;
  StopRequests& operator=(const StopRequests&) = delete;

  // The first request that arrived, if any.
  std::optional<StopRequest> Pending() const;
};

}  // namespace tarmaxion::cli
