#include "window/StatusLog.h"

#include <algorithm>

namespace tarmaxion {

StatusLog::StatusLog() { lines_.fill("> "); }

void StatusLog::Log(const ShownText& message) {
  std::shift_left(lines_.begin(), lines_.end(), 1);
  lines_.back() = message.Length() > kMaxMessage ? message.Left(kMaxMessage) : message;
}

ShownText StatusLog::Panel(const Text& line_break) const {
  ShownText panel;
  for (const auto& line : lines_) panel += line + line_break;
  return panel;
}

}  // namespace tarmaxion
