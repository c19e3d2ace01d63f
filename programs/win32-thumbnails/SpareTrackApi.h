// Drawing a map takes a few megabytes of storage, and making them afresh for every thumbnail
// costs more than the drawing itself (fresh pages are slow to come by, under Wine several times
// more). Explorer makes a new handler object for every file, so the storage outlives them: the
// module keeps one TrackApi between thumbnails, lent to one thumbnail at a time.
#pragma once

#include <memory>
#include <mutex>

#include "api/TrackApi.h"

namespace tarmaxion::thumbnails {

class SpareTrackApi {
 public:
  // The spare, or a new API while another thumbnail has the spare.
  std::unique_ptr<TrackApi> Borrow();
  // Keeps api as the spare (one is enough: the thumbnails of one thread come one by one).
  void Return(std::unique_ptr<TrackApi> api);

 private:
  std::mutex mutex_;
  std::unique_ptr<TrackApi> spare_;
};

// The module's one spare, released when the DLL is unloaded.
SpareTrackApi& ModuleSpareApi();

}  // namespace tarmaxion::thumbnails
