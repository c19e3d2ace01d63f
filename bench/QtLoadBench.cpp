// The load command in the Qt window (off screen without a display): the file read, the listing
// and the map, shown in the controls as the window does it, timed against the floor of a load
// (see FloorTiming.h). The file dialog answers at once. The
// off-screen platform paints like a display; under xvfb-run with QT_QPA_PLATFORM=xcb the
// paints also reach an X server.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>
#include <QFileDialog>

#include "programs/window/Program.h"
#include "tools/builders/BenchTracks.h"
#include "bench/FloorTiming.h"
#include "tests/support/TempDir.h"
#include "platform/qt/QtPlatform.h"

namespace tarmaxion {
namespace {

void WindowListAndPreview(benchmark::State& state, const bench::BenchTrack& track) {
  const testing::TempDir dir;
  const auto path = dir.Write(track.name + ".trk", track.bytes);
  QtPlatform platform;
  platform.SetDialogRunner([&](QFileDialog& dialog) {
    dialog.selectFile(QString::fromStdString(path));
    return int{QDialog::Accepted};
  });
  Program program(platform);
  program.StartUp();
  // The map view paints only once the window is on the screen, as it is by the first click.
  QElapsedTimer waited;
  waited.start();
  while (!platform.Window()->windowHandle()->isExposed() && waited.elapsed() < 5000) {
    QApplication::processEvents(QEventLoop::AllEvents, 50);
  }
  if (!platform.Window()->windowHandle()->isExposed()) state.SkipWithError("the window never showed");
  // The whole load command: the dialog answers at once, so this is the file read, the listing,
  // the map and showing all of it in the controls.
  bench::TimeAgainstFloor(state, track.bytes, [] {}, [&] { program.ReadTrack(); });
  if (program.Model().MapImage() == nullptr) state.SkipWithError("no map was drawn");
  program.ShutDown();
}

const bench::BenchTrack kTypical = bench::TypicalTrack();
const bench::BenchTrack kHeavy = bench::HeavyTrack();

BENCHMARK_CAPTURE(WindowListAndPreview, typical, kTypical)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WindowListAndPreview, heavy, kHeavy)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tarmaxion

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
