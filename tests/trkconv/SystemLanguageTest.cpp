// The system's reasons for a failure in the user's language, here French, whose message for a
// full disk has accents: converted once into the window's Windows-1252 log, cut there only
// between characters, and in UTF-8 on trkconv's error stream; and Russian, whose names and
// reasons no Windows-1252 step may touch on their way to trkconv's error stream.
#include <gtest/gtest.h>

#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "tests/support/TempDir.h"
#include "tests/support/WindowRun.h"
#include "tests/trkconv/TrkconvRun.h"
#include "tools/builders/TrackBuilder.h"

namespace tarmaxion {
namespace {

#ifdef __linux__
namespace fs = std::filesystem;
using testing::TempDir;
using testing::TrackBuilder;

constexpr const char* kFrench = "fr_FR.UTF-8";
constexpr const char* kRussian = "ru_RU.UTF-8";
constexpr const char* kNotInstalled = "fr_FR.UTF-8 or ru_RU.UTF-8 is not installed (scripts/install-deps makes them)";

// The locale a window takes from its surroundings, as the Qt window's application sets it.
class WindowLocale {
 public:
  explicit WindowLocale(const char* name) : saved_(std::setlocale(LC_ALL, nullptr)) {
    active_ = std::setlocale(LC_ALL, name) != nullptr;
  }
  ~WindowLocale() { std::setlocale(LC_ALL, saved_.c_str()); }
  WindowLocale(const WindowLocale&) = delete;
  WindowLocale& operator=(const WindowLocale&) = delete;
  bool Active() const { return active_; }

 private:
  std::string saved_;
  bool active_ = false;
};

// A file name that leads to the full device, so every write fails with the system's reason.
std::string FullDeviceNamed(const TempDir& dir, const std::string& name) {
  fs::create_symlink("/dev/full", dir.Path() / name);
  return dir.File(name);
}

TEST(SystemLanguageTest, TheWindowLogsTheReasonInWindows1252AndCutsItBetweenCharacters) {
  const WindowLocale french(kFrench);
  if (!french.Active()) GTEST_SKIP() << kNotInstalled;
  TempDir dir;
  testing::WindowRun run;
  run.Load(dir.Write("a.trk", TrackBuilder().Build()));
  run.Save(FullDeviceNamed(dir, "full.trk"));
  EXPECT_EQ(run.LastLog(), "Not saved: full.trk: Aucun espace disponible sur le p\xE9riph\xE9rique");

  // 54 characters of name put the first accented letter on the hundredth byte, the last kept.
  run.Save(FullDeviceNamed(dir, std::string(50, 'x') + ".trk"));
  EXPECT_EQ(run.LastLog(), "Not saved: " + Text(50, 'x') + ".trk: Aucun espace disponible sur le p\xE9");
}

TEST(SystemLanguageTest, TrkconvWritesTheReasonInUtf8) {
  TempDir dir;
  const auto track = dir.Write("a.trk", TrackBuilder().Build());
  const auto full = FullDeviceNamed(dir, "full.trk");
  setenv("LC_ALL", kFrench, 1);
  const auto run = testing::RunProgram({"convert", "--force", "-o", full, track}, dir.File(""));
  unsetenv("LC_ALL");
  if (run.err.find("Cannot set LC_") != std::string::npos || !WindowLocale(kFrench).Active()) {
    GTEST_SKIP() << kNotInstalled;
  }
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(run.err, "trkconv: " + track + ": Not saved: " + full + ": Aucun espace disponible sur le p\xC3\xA9riph\xC3\xA9rique\n");
}

TEST(SystemLanguageTest, TrkconvKeepsCyrillicNamesAndReasonsWhole) {
  std::string no_file, no_space;
  {
    const WindowLocale russian(kRussian);
    if (!russian.Active()) GTEST_SKIP() << kNotInstalled;
    no_file = std::strerror(ENOENT);
    no_space = std::strerror(ENOSPC);
  }
  ASSERT_NE(no_file, "No such file or directory");
  TempDir dir;
  const std::string name = "\xD1\x82\xD1\x80\xD0\xB0\xD1\x81\xD1\x81\xD0\xB0";  // "track" in Russian
  const auto missing = dir.File(name + ".trk");
  const auto track = dir.Write(name + "-2.trk", TrackBuilder().Build());
  const auto full = FullDeviceNamed(dir, name + "-2_c.trk");
  setenv("LC_ALL", kRussian, 1);
  const auto listed = testing::RunProgram({"info", missing}, dir.File(""));
  const auto converted = testing::RunProgram({"convert", "--force", track}, dir.File(""));
  unsetenv("LC_ALL");
  EXPECT_EQ(listed.err, "trkconv: " + missing + ": Cannot open " + name + ".trk: " + no_file + "\n");
  EXPECT_EQ(converted.err, "trkconv: " + track + ": Not saved: " + full + ": " + no_space + "\n");
}
#endif

}  // namespace
}  // namespace tarmaxion
