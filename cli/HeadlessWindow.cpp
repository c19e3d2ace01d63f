#include "cli/HeadlessWindow.h"

#include <span>

#include "track/TrackLayout.h"

namespace tarmaxion::cli {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

// The log panel shows its six lines oldest first, each followed by a line break.
Text NewestLine(const Text& panel) {
  auto end = panel.size();
  if (panel.ends_with(kLineBreak)) end -= kLineBreak.size();
  if (end == 0) return {};
  const auto previous = panel.rfind(kLineBreak, end - 1);
  const auto start = previous == Text::npos ? 0 : previous + kLineBreak.size();
  return panel.substr(start, end - start);
}

}  // namespace

void LogRecordingPlatform::SetText(int id, const Text& text) {
  HeadlessPlatform::SetText(id, text);
  if (id != kLogPanel) return;
  const bool list_empty = HasControl(kInfoList) && Control(kInfoList).lines.empty();
  messages_.push_back({NewestLine(text), list_empty});
}

HeadlessWindow::HeadlessWindow() { program_.StartUp(); }

Text HeadlessWindow::MessagesJoined(bool while_reading) const {
  Text joined;
  for (const auto& message : platform_.Messages()) {
    if (message.while_reading != while_reading) continue;
    if (!joined.empty()) joined += "; ";
    joined += message.text;
  }
  return joined;
}

LoadedTrack HeadlessWindow::Load(const std::string& utf8_path) {
  platform_.ForgetMessages();
  platform_.QueueDialogAnswer(utf8_path);
  program_.Dispatch({EventKind::kControl, kLoadButton});

  const auto& state = program_.State();
  LoadedTrack loaded;
  loaded.lines = platform_.Control(kInfoList).lines;
  loaded.size = state.loaded_size;
  // A short read still fills the list, but from part of a file: not something to convert.
  if (const auto problem = MessagesJoined(true); !state.track_read || !problem.empty()) {
    loaded.outcome = LoadOutcome::kUnreadable;
    loaded.problem = problem.empty() ? Text("the file cannot be read") : problem;
    return loaded;
  }
  const auto file = std::span(state.track_buffer).first(static_cast<std::size_t>(state.loaded_size));
  loaded.version = CheckVersion(ByteReader(file));
  if (state.version_error) {
    loaded.outcome = LoadOutcome::kRejected;
    loaded.problem = MessagesJoined(false);
  } else {
    loaded.outcome = LoadOutcome::kListed;
  }
  return loaded;
}

std::optional<Text> HeadlessWindow::SaveAs(const std::string& utf8_path) {
  platform_.ForgetMessages();
  platform_.QueueDialogAnswer(utf8_path);
  program_.Dispatch({EventKind::kControl, kSaveButton});
  const auto& messages = platform_.Messages();
  if (messages.empty()) return Text("the window did not save it");
  if (messages.back().text == "saved") return std::nullopt;
  return messages.back().text;
}

}  // namespace tarmaxion::cli
