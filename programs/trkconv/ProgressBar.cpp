#include "programs/trkconv/ProgressBar.h"

#include <string>

namespace tarmaxion::cli {
namespace {

constexpr std::size_t kBarWidth = 40;

}  // namespace

void ProgressBar::Show(std::size_t done) {
  if (display_ == BarDisplay::kHidden || total_ == 0) return;
  const auto filled = kBarWidth * done / total_;
  // Appended piece by piece: GCC 12 misreads a chain of + on strings at -O3 (-Wrestrict).
  std::string line = "[";
  line.append(filled, '#').append(kBarWidth - filled, ' ').append("] ");
  line.append(std::to_string(done)).append("/").append(std::to_string(total_));
  terminal_ << '\r' << line << std::flush;
  shown_width_ = line.size();
}

// Overwrites the bar with spaces rather than an erase sequence, which not every console knows.
void ProgressBar::Clear() {
  if (shown_width_ == 0) return;
  terminal_ << '\r' << std::string(shown_width_, ' ') << '\r' << std::flush;
  shown_width_ = 0;
}

}  // namespace tarmaxion::cli
