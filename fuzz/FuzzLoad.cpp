// The whole load of arbitrary bytes as the window runs it: read, list, map, water, markers,
// then "save as 1.05" into a sink. Any crash, sanitizer report or hang is a bug. It is several
// times slower than fuzz_track, which reaches the same edges, so scripts/fuzz only replays the
// committed track inputs through it, to keep the window program's own code checked.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "programs/window/Program.h"
#include "platform/headless/HeadlessPlatform.h"

namespace {

std::string TrackPath() {
  static const std::string path = [] {
    const auto file = std::filesystem::temp_directory_path() /
                      ("tarmaxion-fuzz-" + std::to_string(std::random_device{}()) + ".trk");
    const auto utf8 = file.u8string();
    return std::string(utf8.begin(), utf8.end());
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto path = TrackPath();
  const std::filesystem::path file(std::u8string(path.begin(), path.end()));
  {
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  tarmaxion::HeadlessPlatform platform;
  platform.QueueDialogAnswer(path);
  platform.QueueClick(tarmaxion::kLoadButton);
  platform.QueueDialogAnswer("/dev/null");
  platform.QueueClick(tarmaxion::kSaveButton);
  tarmaxion::Program(platform).Run();
  std::filesystem::remove(file);  // a crash keeps its input as the fuzzer's artifact instead
  return 0;
}
