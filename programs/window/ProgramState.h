// The whole state of the window program in one record, owned by Program for the entire run.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "window/StatusLog.h"
#include "base/Text.h"
#include "track/TrackInfo.h"

namespace tarmaxion {

// The loaded file keeps to the first half; the buffer's full size is the loaded size until a
// file is read, so a load cancelled before any other lists that many bytes.
inline constexpr std::size_t kTrackBufferSize = 2'000'000;

// Control ids, as the event loop tells the controls apart.
inline constexpr int kMapView = 1;
inline constexpr int kInfoList = 2;
inline constexpr int kLogPanel = 8;
inline constexpr int kLoadButton = 11;
inline constexpr int kSaveButton = 13;

struct ProgramState {
  std::vector<std::uint8_t> track_buffer;
  std::int32_t loaded_size = 0;
  bool track_read = false;  // whether any file has been read since start-up
  std::string track_path;      // UTF-8
  std::string current_folder;  // UTF-8, the open dialog's first folder
  bool version_error = false;
  TrackInfo track;  // kept from the last listing that passed the checks
  StatusLog log;
};

}  // namespace tarmaxion
