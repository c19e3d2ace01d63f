#include "programs/trkconv/InOrderPool.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <set>
#include <thread>

namespace tarmaxion::cli {
namespace {

// Enough jobs ahead of the one to report that a worker rarely waits for the printing thread.
constexpr std::size_t kAheadPerWorker = 4;

class Pool {
 public:
  Pool(const PoolJobs& jobs, std::size_t workers)
      : jobs_(jobs), workers_(workers), window_(workers == 1 ? 1 : kAheadPerWorker * workers),
        names_(window_), results_(window_) {}

  std::size_t Run() {
    std::vector<std::jthread> threads;
    for (std::size_t worker = 1; worker < workers_; ++worker) threads.emplace_back([this, worker] { Work(worker); });
    // Declared after the threads, so it lets them go before they are joined, however Run ends.
    const Closing closing(*this);
    return ReportAll();
  }

 private:
  struct Closing {
    explicit Closing(Pool& pool) : pool(pool) {}
    ~Closing() {
      {
        const std::scoped_lock lock(pool.mutex_);
        pool.closing_ = true;
      }
      pool.work_ready_.notify_all();
    }
    Pool& pool;
  };

  void Work(std::size_t worker) {
    std::unique_lock lock(mutex_);
    for (;;) {
      work_ready_.wait(lock, [this] { return closing_ || !queue_.empty(); });
      if (queue_.empty()) return;
      RunNextQueued(lock, worker);
      result_ready_.notify_one();
    }
  }

  // Takes the first queued job and runs it without holding the lock.
  void RunNextQueued(std::unique_lock<std::mutex>& lock, std::size_t worker) {
    const auto index = queue_.front();
    queue_.pop_front();
    lock.unlock();
    auto outcome = jobs_.run(index, worker);
    lock.lock();
    results_[index % window_] = std::move(outcome);
  }

  bool SharesANameWithAnUnreportedJob(const std::vector<std::string>& names) const {
    return std::any_of(names.begin(), names.end(), [this](const std::string& name) { return busy_.contains(name); });
  }

  // Queues jobs up to the window, stopping before one that must wait for an earlier job.
  void Dispatch() {
    while (dispatched_ < end_ && dispatched_ - reported_ < window_) {
      if (workers_ > 1) {
        auto names = jobs_.names(dispatched_);
        if (SharesANameWithAnUnreportedJob(names)) return;
        busy_.insert(names.begin(), names.end());
        names_[dispatched_ % window_] = std::move(names);
      }
      {
        const std::scoped_lock lock(mutex_);
        queue_.push_back(dispatched_++);
      }
      work_ready_.notify_one();
    }
  }

  // Drops the jobs that have not started; the batch then ends after the running ones.
  void Stop() {
    stopped_ = true;
    const std::scoped_lock lock(mutex_);
    end_ = queue_.empty() ? dispatched_ : queue_.front();
    queue_.clear();
  }

  std::size_t ReportAll() {
    for (;;) {
      if (!stopped_ && jobs_.stop_requested()) Stop();
      Dispatch();
      if (reported_ == end_) return reported_;
      FileOutcome outcome = NextResult();
      for (const auto& name : names_[reported_ % window_]) busy_.erase(busy_.find(name));
      names_[reported_ % window_].clear();
      jobs_.report(reported_, outcome);
      ++reported_;
    }
  }

  // The result of the next job to report; the calling thread runs queued jobs while it waits.
  FileOutcome NextResult() {
    std::unique_lock lock(mutex_);
    auto& slot = results_[reported_ % window_];
    while (!slot && !queue_.empty()) RunNextQueued(lock, 0);
    result_ready_.wait(lock, [&slot] { return slot.has_value(); });
    FileOutcome outcome = std::move(*slot);
    slot.reset();
    return outcome;
  }

  const PoolJobs& jobs_;
  const std::size_t workers_;
  const std::size_t window_;
  // Only the calling thread touches these.
  std::size_t dispatched_ = 0;
  std::size_t reported_ = 0;
  std::size_t end_ = jobs_.count;  // the first job that will not run
  bool stopped_ = false;
  std::multiset<std::string> busy_;              // the names of the queued, running and unreported jobs
  std::vector<std::vector<std::string>> names_;  // each unreported job's names, at its slot

  std::mutex mutex_;
  std::condition_variable work_ready_;
  std::condition_variable result_ready_;
  std::deque<std::size_t> queue_;                   // queued jobs that no thread has taken yet
  std::vector<std::optional<FileOutcome>> results_;  // finished, unreported jobs, at index % window_
  bool closing_ = false;
};

}  // namespace

std::size_t RunInOrder(const PoolJobs& jobs, std::size_t workers) {
  Pool pool(jobs, std::max<std::size_t>(workers, 1));
  return pool.Run();
}

}  // namespace tarmaxion::cli
