// The most bytes a track has, for the package's JavaScript: it copies no larger file into the
// module's memory, and tmx_open is then told only the file's size.
#include <cstddef>

#include "api/TrackMessages.h"

extern "C" std::size_t tmx_web_max_track_size() { return tarmaxion::kMaxTrackFileSize; }
