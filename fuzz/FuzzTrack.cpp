// Arbitrary bytes through the track API, all in memory: open, list, map and the 1.05 copy. One
// API and one platform font serve every input, as in a batch, so state left behind by one
// track is exercised by the next. Any crash, sanitizer report or hang is a bug.
#include <cstdint>
#include <span>

#include "api/TrackApi.h"
#include "platform/headless/HeadlessGlyphs.h"
#include "preview/Caption.h"

namespace {

struct Session {
  Session() { fonts.LoadFont(tarmaxion::kCaptionFont, tarmaxion::kCaptionFace, tarmaxion::kCaptionPoints); }
  tarmaxion::HeadlessGlyphs fonts;   // the deterministic font, so captions draw glyphs
  tarmaxion::TrackApi api{&fonts};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Session session;
  const auto& report = session.api.Open(std::span(data, size), "fuzz.trk");
  if (report.outcome != tarmaxion::TrackOutcome::kRead) return 0;
  const auto map = session.api.Map();
  if (map.image != nullptr) {
    volatile auto corner = map.image->At(map.image->Width() - 1, map.image->Height() - 1);
    (void)corner;
  }
  const auto copy = session.api.CopyAs105();
  volatile auto first = copy.empty() ? 0 : copy[0];
  (void)first;
  return 0;
}
