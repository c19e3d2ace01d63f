// startup_time: how long the Qt window takes from the start of main to "ready..." in its log
// panel, and to its first round of events (the window shown and painted). Prints both in
// milliseconds and exits; run it under QT_QPA_PLATFORM=offscreen where there is no display.
#include <QApplication>
#include <QLabel>

#include <chrono>
#include <cstdio>

#include "programs/window/Program.h"
#include "platform/qt/QtPlatform.h"

int main(int argc, char* argv[]) {
  using Clock = std::chrono::steady_clock;
  const auto start = Clock::now();
  const auto milliseconds_since_start = [&] {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  };

  QApplication application(argc, argv);
  tarmaxion::QtPlatform platform;
  tarmaxion::Program program(platform);
  program.StartUp();
  const double ready = milliseconds_since_start();
  const auto* log_panel = qobject_cast<QLabel*>(platform.Widget(tarmaxion::kLogPanel));
  if (log_panel == nullptr || !log_panel->text().contains("ready...")) {
    std::fprintf(stderr, "the log panel does not show ready...\n");
    return 1;
  }
  QApplication::processEvents();
  const double shown = milliseconds_since_start();
  std::printf("main to \"ready...\": %.1f ms; to the first events handled: %.1f ms\n", ready, shown);
  program.ShutDown();
  return 0;
}
