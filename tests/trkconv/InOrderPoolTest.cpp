// The worker pool behind -j: jobs of random length on four threads, reported in order, each
// once; jobs on one file one after the other; a stop that ends the batch after the running jobs.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <random>
#include <thread>

#include "programs/trkconv/InOrderPool.h"

namespace tarmaxion::cli {
namespace {

constexpr std::size_t kJobs = 300;
constexpr std::size_t kWorkers = 4;

struct Recorded {
  std::mutex mutex;
  std::vector<int> runs = std::vector<int>(kJobs, 0);
  std::vector<std::size_t> reported;
  std::vector<std::size_t> started;  // in the order jobs began
  std::atomic<int> running_on_shared_file{0};
  bool shared_file_overlapped = false;
};

// Every third job writes one shared file, and takes longer; the others have files of their own. Odd jobs fail.
PoolJobs Jobs(Recorded& recorded, std::size_t stop_after) {
  auto random = std::make_shared<std::mt19937>(7);
  PoolJobs jobs;
  jobs.count = kJobs;
  jobs.run = [&recorded, random](std::size_t index, std::size_t) -> FileOutcome {
    std::chrono::microseconds pause;
    {
      const std::scoped_lock lock(recorded.mutex);
      ++recorded.runs[index];
      recorded.started.push_back(index);
      pause = std::chrono::microseconds(100 + (*random)() % 300);
    }
    const bool shared = index % 3 == 0;
    if (shared) pause *= 4;
    if (shared && recorded.running_on_shared_file++ != 0) recorded.shared_file_overlapped = true;
    std::this_thread::sleep_for(pause);
    if (shared) --recorded.running_on_shared_file;
    if (index % 2 == 1) return Failure{FailureKind::kNotWritten, std::to_string(index)};
    return Done{};
  };
  jobs.names = [](std::size_t index) {
    return std::vector<std::string>{index % 3 == 0 ? "shared" : "own" + std::to_string(index)};
  };
  jobs.report = [&recorded](std::size_t index, const FileOutcome& outcome) {
    EXPECT_EQ(!outcome, index % 2 == 1) << index;
    if (!outcome) {
      EXPECT_EQ(outcome.Failure().message, std::to_string(index));
    }
    recorded.reported.push_back(index);
  };
  jobs.stop_requested = [&recorded, stop_after] { return recorded.reported.size() >= stop_after; };
  return jobs;
}

TEST(InOrderPoolTest, ReportsEveryJobOnceInOrderAndRunsJobsOnOneFileInOrder) {
  for (const std::size_t workers : {std::size_t{1}, kWorkers}) {
    Recorded recorded;
    EXPECT_EQ(RunInOrder(Jobs(recorded, kJobs + 1), workers), kJobs);
    ASSERT_EQ(recorded.reported.size(), kJobs) << workers;
    for (std::size_t i = 0; i < kJobs; ++i) {
      EXPECT_EQ(recorded.reported[i], i) << workers;
      EXPECT_EQ(recorded.runs[i], 1) << i;
    }
    EXPECT_FALSE(recorded.shared_file_overlapped) << workers;
    std::vector<std::size_t> shared_starts;
    for (const auto index : recorded.started) {
      if (index % 3 == 0) shared_starts.push_back(index);
    }
    EXPECT_TRUE(std::is_sorted(shared_starts.begin(), shared_starts.end())) << workers;
  }
}

TEST(InOrderPoolTest, AStopEndsTheBatchAfterTheRunningJobsWhichAreAllReported) {
  for (const std::size_t workers : {std::size_t{1}, kWorkers}) {
    Recorded recorded;
    const auto ran = RunInOrder(Jobs(recorded, 40), workers);
    EXPECT_GE(ran, 40u);
    EXPECT_LE(ran, 40u + 4 * kWorkers) << "jobs started after the stop";
    ASSERT_EQ(recorded.reported.size(), ran);
    for (std::size_t i = 0; i < kJobs; ++i) EXPECT_EQ(recorded.runs[i], i < ran ? 1 : 0) << i;
    if (workers == 1) {
      EXPECT_EQ(ran, 40u) << "one worker checks before every job";
    }
  }
}

}  // namespace
}  // namespace tarmaxion::cli
