// A one-line progress bar redrawn in place on a terminal's error stream. Lines written to the
// terminal in between must call Clear first, so the bar never mixes into them.
#pragma once

#include <cstddef>
#include <ostream>

namespace tarmaxion::cli {

enum class BarDisplay { kShown, kHidden };

class ProgressBar {
 public:
  // A hidden bar writes nothing at all.
  ProgressBar(std::ostream& terminal, std::size_t total, BarDisplay display)
      : terminal_(terminal), total_(total), display_(display) {}
  ~ProgressBar() { Clear(); }
  ProgressBar(const ProgressBar&) = delete;
  ProgressBar& operator=(const ProgressBar&) = delete;

  void Show(std::size_t done);
  void Clear();

 private:
  std::ostream& terminal_;
  std::size_t total_;
  BarDisplay display_;
  std::size_t shown_width_ = 0;  // characters of the bar now on the line
};

}  // namespace tarmaxion::cli
