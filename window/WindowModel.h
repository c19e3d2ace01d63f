// The window's rules in one object: it owns the loaded track (one buffer, changed in place at
// the moments the window always changed it), runs the load and save commands with their gates
// and messages, keeps the six-line log, and decides which file of a drop loads and what the
// copy is called. Inputs are values (a chosen file's bytes or why there are none, a cancelled
// dialog, a drop, how a write went); outputs are what the window shows and what it writes. It
// touches no file and no platform: the Qt and Win32 windows drive it through Platform, the page
// through its bindings, and the tests directly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "api/TrackApi.h"
#include "api/TrackMessages.h"
#include "base/Files.h"
#include "base/ShownText.h"
#include "window/StatusLog.h"

namespace tarmaxion {

// What the loads so far left behind: what the save command does, and whether the map view
// shows the map of the file last loaded.
enum class LoadState {
  kNothingRead,  // no file was loaded yet: the save command says so
  kUnreadable,   // the chosen file could not be read: nothing of it is listed, drawn or saved
  // Not a track of version 1.05 or 1.10: no map, and the save command is silent. A later file
  // that cannot be read keeps this state, as the buffer still holds the refused track.
  kRefused,
  kDamaged,  // the version is right but a region lies outside the file: as refused
  kListed,   // read and listed, but no map could be drawn of it
  kMapped,   // read, listed and drawn
};

// A file the user chose or dropped, after the front end tried to read it into ReadBuffer().
struct ChosenFile {
  std::string path;  // UTF-8; the info list and the log show its file part
  FileRead read;     // the bytes that arrived, or why none did
};

enum class DropKind { kFile, kOther };  // kOther: a folder, or a path that names nothing

// Which dropped item loads, how many of the items were files, and where the others go.
struct DropPlan {
  std::size_t load = 0;
  std::size_t files = 0;
  DropRest rest = DropRest::kLeftOut;
};

// The first file of a drop loads. When no item is a file, the first item loads all the same, so
// that the log says why it cannot be read. An empty drop does nothing.
std::optional<DropPlan> PlanDrop(std::span<const DropKind> items);

// Which parts of the window changed since the last TakeChanges.
struct ViewChanges {
  bool info_list = false;
  bool log = false;
  bool map = false;
};

class WindowModel {
 public:
  // Captions are drawn in caption_glyphs' kCaptionFont (loaded by the caller, outliving the
  // model); nullptr leaves the caption band empty.
  explicit WindowModel(const GlyphSource* caption_glyphs);

  // Start-up's last step: the log says "ready...".
  void Start();

  // The load command. Its first step runs before the open dialog shows: the info list clears.
  void BeginLoad();
  // Where the front end reads the chosen file: the start of the track buffer, room for the
  // largest track. Bytes written here count only once Load is told how many arrived.
  std::span<std::uint8_t> ReadBuffer();
  // The rest of the load command: the file read into ReadBuffer() or why it could not be, or
  // nothing for a cancelled dialog. A cancel lists the buffer again as the last load and save
  // left it; a file that cannot be read is reported and shows nothing else.
  void Load(const std::optional<ChosenFile>& file);
  // A drop: the planned item's file loads as the open dialog would load it, and the log counts
  // the files and says where the others went.
  void LoadDropped(const ChosenFile& file, const DropPlan& plan);
  // A path the program was started with that names no file: why it cannot be opened goes to the
  // log, and nothing else changes.
  void Unopened(const ChosenFile& file);

  // The save command's gate: the path the save dialog offers, or nothing when the command goes
  // no further (after a refused track silently; before any track with a word in the log).
  std::optional<std::string> BeginSave();
  // The bytes to write under the chosen name: the loaded file, byte 0 set to 5 in the buffer
  // itself just now, object types remapped since its map was drawn.
  std::span<const std::uint8_t> SaveAs105();
  // How writing them to utf8_path went: "saved", or why not.
  void Saved(std::string_view utf8_path, const FileWrite& written);

  // What the window shows.
  const std::vector<ShownText>& InfoLines() const { return info_lines_; }
  const StatusLog& StatusLines() const { return log_; }
  // The map view's picture, nullptr before the first map. It stays after a load that draws no
  // map, as the window always kept it.
  const Image* MapImage() const { return api_.LastMap(); }
  // Whether the picture is the map of the last load (a refused or unreadable file draws none).
  bool MapIsCurrent() const { return state_ == LoadState::kMapped; }
  ViewChanges TakeChanges();

  // The load's and save's state, as the commands leave it.
  const std::string& TrackPath() const { return track_path_; }
  const std::string& CurrentFolder() const { return current_folder_; }
  LoadState State() const { return state_; }
  // The size of the last file read, or of the part of it that arrived; nothing before the first.
  std::optional<std::size_t> LoadedSize() const { return loaded_size_; }
  // The bytes of the last file read, with the window's changes (before any read: zeros).
  std::span<const std::uint8_t> LoadedBytes() const;

  // Tracks listed from now on read their texts (author, drivers, cars) in page.
  void SetTrackCodePage(CodePage page) { track_code_page_ = page; }

  // Start-up puts the working folder here; the open dialog starts in it.
  void SetCurrentFolder(std::string utf8_folder) { current_folder_ = std::move(utf8_folder); }

  // Adds a message to the log.
  void Log(const ShownText& message);

 private:
  // The load command's steps.
  void NothingArrived();
  void ListTrack();
  void BuildPreview();
  void AppendLine(ShownText line);
  std::size_t LoadedCount() const;
  std::span<std::uint8_t> LoadedFile();

  TrackApi api_;
  CodePage track_code_page_ = CodePage::k1252;
  std::vector<std::uint8_t> track_buffer_;
  std::optional<std::size_t> loaded_size_;
  std::string track_path_;      // UTF-8
  std::string current_folder_;  // UTF-8
  LoadState state_ = LoadState::kNothingRead;
  TrackLayout layout_;  // of the last track that passed the checks
  std::vector<ShownText> info_lines_;
  StatusLog log_;
  ViewChanges changes_;
};

}  // namespace tarmaxion
