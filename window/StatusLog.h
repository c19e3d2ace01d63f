// The six-line status log under the info list: the newest message at the bottom, each cut to
// its first 100 characters. The windows and the page all show this one log.
#pragma once

#include <array>
#include <cstddef>

#include "base/ShownText.h"
#include "base/Text.h"

namespace tarmaxion {

class StatusLog {
 public:
  static constexpr std::size_t kLength = 6;  // lines kept and shown
  static constexpr std::size_t kMaxMessage = 100;

  // Every line starts as "> ".
  StatusLog();

  // Cuts message to kMaxMessage characters and adds it as the newest line; the oldest goes.
  void Log(const ShownText& message);

  // Oldest first.
  const std::array<ShownText, kLength>& Lines() const { return lines_; }
  // The panel's text: every line followed by line_break.
  ShownText Panel(const Text& line_break) const;

 private:
  std::array<ShownText, kLength> lines_;
};

}  // namespace tarmaxion
