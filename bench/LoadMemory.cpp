// load_memory [typical|heavy|empty_map]: loads one of the benchmark tracks ten times through the
// program on the headless platform and prints the process's peak resident memory after the
// first and the tenth load. Memory a load keeps would show as growth between the two.
#include <sys/resource.h>

#include <cstdio>
#include <string>

#include "programs/window/Program.h"
#include "tools/builders/BenchTracks.h"
#include "tests/support/TempDir.h"
#include "platform/headless/HeadlessPlatform.h"

namespace {

long PeakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char* argv[]) {
  using namespace tarmaxion;
  const std::string wanted = argc > 1 ? argv[1] : "heavy";
  bench::BenchTrack track;
  if (wanted == "typical") {
    track = bench::TypicalTrack();
  } else if (wanted == "heavy") {
    track = bench::HeavyTrack();
  } else if (wanted == "empty_map") {
    track = bench::EmptyMapTrack();
  } else {
    std::fprintf(stderr, "usage: load_memory [typical|heavy|empty_map]\n");
    return 2;
  }
  const testing::TempDir dir;
  const auto path = dir.Write(track.name + ".trk", track.bytes);
  HeadlessPlatform platform;
  Program program(platform);
  program.StartUp();
  std::printf("%s track, %zu bytes; peak RSS after start-up: %ld KiB\n", track.name.c_str(),
              track.bytes.size(), PeakKilobytes());
  constexpr int kLoads = 10;
  for (int load = 1; load <= kLoads; ++load) {
    platform.QueueDialogAnswer(path);
    program.Dispatch({EventKind::kControl, kLoadButton});
    if (load == 1 || load == kLoads) {
      std::printf("peak RSS after load %d: %ld KiB\n", load, PeakKilobytes());
    }
  }
  program.ShutDown();
  return 0;
}
