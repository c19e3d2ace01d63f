// Stop requests as POSIX signals: SIGINT, SIGTERM and SIGHUP.
#include <signal.h>

#include <array>
#include <atomic>

#include "programs/trkconv/StopRequests.h"

namespace tarmaxion::cli {
namespace {

struct Handled {
  int number;
  const char* name;
};
constexpr std::array<Handled, 3> kSignals = {{{SIGINT, "SIGINT"}, {SIGTERM, "SIGTERM"}, {SIGHUP, "SIGHUP"}}};

// Read by every thread of a batch; a lock-free atomic may be written in a signal handler.
std::atomic<int> first_signal{0};
static_assert(std::atomic<int>::is_always_lock_free);
std::array<struct sigaction, kSignals.size()> previous{};

extern "C" void NoteSignal(int number) {
  if (first_signal == 0) first_signal = number;
}

}  // namespace

StopRequests::StopRequests() {
  first_signal = 0;
  struct sigaction noting {};
  noting.sa_handler = NoteSignal;
  sigemptyset(&noting.sa_mask);
  // Reads and writes go on after the handler, and the next signal acts as it would without it.
  noting.sa_flags = static_cast<int>(SA_RESTART | SA_RESETHAND);
  for (std::size_t i = 0; i < kSignals.size(); ++i) {
    sigaction(kSignals[i].number, nullptr, &previous[i]);
    if (previous[i].sa_handler != SIG_IGN) sigaction(kSignals[i].number, &noting, nullptr);
  }
}

StopRequests::~StopRequests() {
  for (std::size_t i = 0; i < kSignals.size(); ++i) sigaction(kSignals[i].number, &previous[i], nullptr);
}

std::optional<StopRequest> StopRequests::Pending() const {
  const int number = first_signal.load();
  for (const auto& handled : kSignals) {
    if (handled.number == number) return StopRequest{128 + number, handled.name};
  }
  return std::nullopt;
}

}  // namespace tarmaxion::cli
