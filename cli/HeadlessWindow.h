// The window itself, run without a screen: trkconv presses its "load" and "save as 1.05"
// buttons with scripted dialog answers, so it lists, converts and draws exactly what the
// window does, through the same code.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/Program.h"
#include "ui/headless/HeadlessPlatform.h"

namespace tarmaxion::cli {

enum class LoadOutcome {
  kListed,      // passed the checks: fully listed and drawn
  kUnreadable,  // the file could not be read whole; nothing of it is listed
  kRejected,    // read, but the window refused it (version or damaged layout)
};

struct LoadedTrack {
  LoadOutcome outcome = LoadOutcome::kUnreadable;
  std::vector<Text> lines;  // the info list, Windows-1252, as the window shows it
  // The version the window listed, also for a damaged track.
  std::optional<TrackVersion> version;
  std::int32_t size = 0;  // bytes read
  Text problem;           // the window's log message for an unreadable or rejected track
};

// A headless platform that also keeps each message the status log shows, and whether it came
// before the info list received its file line (only the reading step reports that early).
class LogRecordingPlatform : public HeadlessPlatform {
 public:
  struct Message {
    Text text;
    bool while_reading = false;
  };
  void SetText(int id, const Text& text) override;
  const std::vector<Message>& Messages() const { return messages_; }
  void ForgetMessages() { messages_.clear(); }

 private:
  std::vector<Message> messages_;
};

// One window per track: the track buffer is not cleared between loads, so a fresh window is
// what guarantees that nothing of an earlier track leaks into a later one.
class HeadlessWindow {
 public:
  HeadlessWindow();
  HeadlessWindow(const HeadlessWindow&) = delete;
  HeadlessWindow& operator=(const HeadlessWindow&) = delete;

  // Presses "load" with utf8_path as the open dialog's answer.
  LoadedTrack Load(const std::string& utf8_path);
  // Presses "save as 1.05" with utf8_path as the save dialog's answer; nothing on success,
  // otherwise why the window did not save.
  std::optional<Text> SaveAs(const std::string& utf8_path);

  // What the last listing that passed the checks kept.
  const TrackInfo& Info() const { return program_.State().track; }
  // The map image as the map view shows it, or nullptr when none was built.
  const Image* MapImage() const { return program_.Drawing().ImageAt(kMapImage); }

 private:
  Text MessagesJoined(bool while_reading) const;

  LogRecordingPlatform platform_;
  Program program_{platform_};
};

}  // namespace tarmaxion::cli
