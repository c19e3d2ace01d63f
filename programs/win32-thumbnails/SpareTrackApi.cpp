#include "programs/win32-thumbnails/SpareTrackApi.h"

namespace tarmaxion::thumbnails {

std::unique_ptr<TrackApi> SpareTrackApi::Borrow() {
  {
    const std::lock_guard lock(mutex_);
    if (spare_ != nullptr) return std::move(spare_);
  }
  return std::make_unique<TrackApi>();
}

void SpareTrackApi::Return(std::unique_ptr<TrackApi> api) {
  const std::lock_guard lock(mutex_);
  spare_ = std::move(api);
}

SpareTrackApi& ModuleSpareApi() {
  static SpareTrackApi spare;
  return spare;
}

}  // namespace tarmaxion::thumbnails
