// Runs the jobs of a batch on several threads and reports their results on the calling thread
// strictly in job order, so a batch prints exactly what it would print on one thread.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "programs/trkconv/Failure.h"

namespace tarmaxion::cli {

struct PoolJobs {
  std::size_t count = 0;
  // Runs job index on worker (0 is the calling thread, which works too); any thread may call
  // it, never two at once for one worker. Must not throw.
  std::function<FileOutcome(std::size_t index, std::size_t worker)> run;
  // The names of the files job index reads or writes. A job waits until no earlier unreported
  // job shares a name with it, so jobs on one file run one after the other, in order.
  std::function<std::vector<std::string>(std::size_t index)> names;
  // Called on the calling thread with each result, in job order.
  std::function<void(std::size_t index, const FileOutcome& outcome)> report;
  // Asked between jobs; once it says yes, no further job starts, and the jobs already running
  // finish and are reported. With one worker it is asked before every job.
  std::function<bool()> stop_requested;
};

// Runs the jobs on workers threads, the calling one among them; with one worker, one job after
// the other on the calling thread alone. Returns how many jobs ran: all of them unless a stop
// request came first. At most a few jobs per worker run ahead of the next one to report, so a
// batch of any length holds few results at once.
std::size_t RunInOrder(const PoolJobs& jobs, std::size_t workers);

}  // namespace tarmaxion::cli
