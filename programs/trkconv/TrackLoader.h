// Every trkconv command starts the same way: read a track file whole and open it with the
// track API, reusing one buffer and one API for a whole batch (one per thread of a batch).
#pragma once

#include <cstdint>
#include <istream>
#include <memory>
#include <string>
#include <string_view>

#include "api/TrackApi.h"
#include "base/Result.h"
#include "glyphs/table/TableGlyphs.h"
#include "programs/trkconv/Failure.h"

namespace tarmaxion::cli {

// The name that stands for standard input as a track, and for standard output as an output.
inline constexpr std::string_view kStandardStream = "-";

// Maps are drawn with the caption glyph table, the same on every machine.
class TrackLoader {
 public:
  // The track named "-" is read from standard_input.
  explicit TrackLoader(std::istream& standard_input);
  // The API keeps a pointer to the glyphs.
  TrackLoader(const TrackLoader&) = delete;
  TrackLoader& operator=(const TrackLoader&) = delete;

  // The API's report on the track at utf8_path, its texts read in code_page, or why the file
  // could not be read whole (the window's message, UTF-8). The report stays valid until the
  // next Load.
  Result<const TrackReport*, Failure> Load(const std::string& utf8_path, CodePage code_page);
  TrackApi& Api() { return api_; }

 private:
  std::istream& standard_input_;
  // Left uninitialised: each file is read in before it is looked at, and the untouched pages of
  // a batch of small tracks never cost memory.
  std::unique_ptr<std::uint8_t[]> buffer_;
  TableGlyphs glyphs_;
  TrackApi api_;
};

}  // namespace tarmaxion::cli
