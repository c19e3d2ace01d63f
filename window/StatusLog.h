// The six-line status log under the info list, shared by the window and the web page so both
// cut, scroll and lay out their messages alike.
#pragma once

#include <array>
#include <cstddef>

#include "base/Text.h"

namespace tarmaxion {

struct StatusLog {
  static constexpr int kLength = 6;  // lines kept and shown
  static constexpr std::size_t kMaxMessage = 100;
  Text status_line;
  // Slots 1 to 6 are shown, 1 the oldest; slot 0 stays unused so the numbers read as lines.
  std::array<Text, kLength + 1> history;
  Text line_break;
};

// A log as it starts: every line "> ", each ended by line_break.
StatusLog FreshStatusLog(const Text& line_break);

// Cuts the status line to kMaxMessage bytes and adds it as the newest line; afterwards the
// status line holds the panel's whole text, every line ended by the line break.
void PushStatusLine(StatusLog& log);

}  // namespace tarmaxion
