#include "window/StatusLog.h"

namespace tarmaxion {

StatusLog FreshStatusLog(const Text& line_break) {
  StatusLog log;
  log.line_break = line_break;
  for (std::size_t i = 1; i <= StatusLog::kLength; ++i) log.history[i] = "> ";
  return log;
}

void PushStatusLine(StatusLog& log) {
  if (log.status_line.size() > StatusLog::kMaxMessage) log.status_line.resize(StatusLog::kMaxMessage);
  for (std::size_t i = 1; i < StatusLog::kLength; ++i) log.history[i] = log.history[i + 1];
  log.history[StatusLog::kLength] = log.status_line;
  log.status_line.clear();
  for (std::size_t i = 1; i <= StatusLog::kLength; ++i) log.status_line += log.history[i] + log.line_break;
}

}  // namespace tarmaxion
