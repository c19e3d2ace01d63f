#include "app/Program.h"

namespace tarmaxion {

void Program::Log() {
  auto& log = state_.log;
  if (log.status_line.size() > StatusLog::kMaxMessage) log.status_line.resize(StatusLog::kMaxMessage);
  for (std::size_t i = 1; i < StatusLog::kLength; ++i) log.history[i] = log.history[i + 1];
  log.history[StatusLog::kLength] = log.status_line;
  log.status_line.clear();
  for (std::size_t i = 1; i <= StatusLog::kLength; ++i) log.status_line += log.history[i] + log.line_break;
  platform_.SetText(kLogPanel, log.status_line);
}

void Program::Report(Text message) {
  state_.log.status_line = std::move(message);
  Log();
}

}  // namespace tarmaxion
