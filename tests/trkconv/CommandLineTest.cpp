#include <gtest/gtest.h>

#include "tests/trkconv/TrkconvRun.h"
#include "tests/trkconv/WindowReference.h"
#include "tests/support/TempDir.h"

namespace tarmaxion {
namespace {

using testing::ReadBytes;
using testing::RichTrack;
using testing::RunInProcess;
using testing::RunProgram;
using testing::TempDir;

TEST(CommandLineTest, UsageErrorsExitWithTwoAndTouchNothing) {
  TempDir dir;
  const auto track = dir.Write("a.trk", RichTrack().Build());
  const std::vector<std::vector<std::string>> usage_errors = {
      {},
      {"frobnicate", track},
      {"info"},
      {"info", "--bogus", track},
      {"convert"},
      {"convert", "-o", dir.File("x.trk"), track, track},
      {"convert", "-o", dir.File("x.trk"), "--out-dir", dir.File(""), track},
      {"convert", "--out-dir", dir.File("no-such-folder"), track},
      {"preview"},
      {"preview", "-o", dir.File("x.png"), track, track},
      {"preview", "-o", dir.File("map.jpg"), track},
      {"convert", "-j", "0", track},
      {"convert", "-"},
      {"info", "-", "-"},
  };
  for (const auto& args : usage_errors) {
    const auto run = RunInProcess(args);
    EXPECT_EQ(run.exit_code, 2) << ::testing::PrintToString(args);
    EXPECT_EQ(run.out, "") << ::testing::PrintToString(args);
    EXPECT_FALSE(run.err.empty()) << ::testing::PrintToString(args);
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(CommandLineTest, AMistypedCommandIsNamedWithTheNearestOne) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"conv", "'conv' is not a command; did you mean 'convert'?"},
      {"previwe", "did you mean 'preview'?"},
      {"Info", "did you mean 'info'?"},
      {"frobnicate", "the commands are info, convert and preview"},
  };
  for (const auto& [word, message] : cases) {
    const auto run = RunInProcess({word, "x.trk"});
    EXPECT_EQ(run.exit_code, 2) << word;
    EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
  }
  EXPECT_NE(RunInProcess({"preview", "-o", "map.jpg", "x.trk"}).err.find("not map.jpg"), std::string::npos);
}

TEST(CommandLineTest, HelpAndVersionSucceed) {
  const auto help = RunInProcess({"--help"});
  EXPECT_EQ(help.exit_code, 0);
  for (const char* command : {"info", "convert", "preview"}) {
    EXPECT_NE(help.out.find(command), std::string::npos) << command;
  }
  const auto convert_help = RunInProcess({"convert", "--help"});
  EXPECT_EQ(convert_help.exit_code, 0);
  EXPECT_NE(convert_help.out.find("--out-dir"), std::string::npos);
  const auto version = RunInProcess({"--version"});
  EXPECT_EQ(version.exit_code, 0);
  EXPECT_TRUE(version.out.starts_with("trkconv ")) << version.out;
}

// The built program, as a shell runs it: its exit codes and what lands on each stream, with a
// name that the arguments must carry whole whatever the system's code page.
TEST(BuiltProgramTest, ExitCodesAndStreams) {
  TempDir dir;
  const std::string name = "M\xC3\xBCller \xC3\xA9t\xC3\xA9";
  const auto track = dir.Write(name + ".trk", RichTrack().Build());
  const auto old = dir.Write("old.trk", RichTrack().Version(262).Build());

  const auto converted = RunProgram({"convert", track}, dir.File(""));
  EXPECT_EQ(converted.exit_code, 0);
  EXPECT_EQ(converted.out, track + " -> " + dir.File(name + "_c.trk") + "\n");
  EXPECT_EQ(converted.err, "");
  EXPECT_EQ(ReadBytes(dir.File(name + "_c.trk")), testing::RunWindow(track, dir.File("ref.trk")).saved);

  const auto failed = RunProgram({"info", old}, dir.File(""));
  EXPECT_EQ(failed.exit_code, 1);
  EXPECT_EQ(failed.out, "old.trk   " + std::to_string(ReadBytes(old).size()) + " Bytes\n");
  EXPECT_EQ(failed.err, "trkconv: " + old + ": Caution: Version <> 1.05\n");

  EXPECT_EQ(RunProgram({"convert", "-o", dir.File("x.trk"), track, old}, dir.File("")).exit_code, 2);
}

}  // namespace
}  // namespace tarmaxion
