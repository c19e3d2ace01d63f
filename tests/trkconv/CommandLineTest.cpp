#include <gtest/gtest.h>

#include <sstream>

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
      {"convert", "--out-dir", track, track},
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
    // A bare trkconv gets its usage instead.
    if (args.empty()) continue;
    std::istringstream lines(run.err);
    for (std::string line; std::getline(lines, line);) EXPECT_TRUE(line.starts_with("trkconv: ")) << line;
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

// A mistyped command or option is named with the nearest one, before a missing TRACK is; a
// number's message says what is wrong with it.
TEST(CommandLineTest, AMistypedWordIsNamedWithTheNearestOne) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"conv", "x.trk"}, "trkconv: 'conv' is not a command; did you mean 'convert'?\n"},
      {{"previwe", "x.trk"}, "did you mean 'preview'?"},
      {{"Info", "x.trk"}, "did you mean 'info'?"},
      {{"frobnicate", "x.trk"}, "the commands are info, convert and preview"},
      {{"help", "conv"}, "'conv' is not a command; did you mean 'convert'?"},
      {{"convert", "--ouput", "y.trk", "x.trk"},
       "trkconv: --ouput is not an option of convert; did you mean --output?\n"},
      {{"info", "--jsn"}, "--jsn is not an option of info; did you mean --json?"},
      {{"info", "--force", "x.trk"}, "--force is not an option of info\n"},
      {{"--verison"}, "--verison is not an option; did you mean --version?"},
      {{"preview", "--size", "abc", "x.trk"}, "trkconv: --size: 'abc' is not a number\n"},
      {{"preview", "--size", "0", "x.trk"}, "--size: 0 is out of range (1 to 65536)"},
      {{"convert", "-j", "1.5", "x.trk"}, "--jobs: '1.5' is not a whole number"},
      {{"preview", "-o", "map.jpg", "x.trk"}, "not map.jpg"},
  };
  for (const auto& [args, message] : cases) {
    const auto run = RunInProcess(args);
    EXPECT_EQ(run.exit_code, 2) << args[0];
    EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
  }
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
  EXPECT_EQ(RunInProcess({"help", "convert"}).out, convert_help.out);
  // The help command tells every command's options.
  const auto full_help = RunInProcess({"help"});
  EXPECT_EQ(full_help.exit_code, 0);
  for (const char* option : {"--json", "--out-dir", "--map-only", "--recursive"}) {
    EXPECT_NE(full_help.out.find(option), std::string::npos) << option;
  }
  EXPECT_EQ(full_help.out.find("copys"), std::string::npos);
  const auto version = RunInProcess({"--version"});
  EXPECT_EQ(version.exit_code, 0);
  EXPECT_TRUE(version.out.starts_with("trkconv ")) << version.out;
  // A bare trkconv, a usage error above, tells its commands and where help is.
  const auto bare = RunInProcess({}).err;
  for (const char* text : {"Usage: trkconv COMMAND", "\n  info ", "\n  convert ", "\n  preview ", "trkconv help COMMAND"}) {
    EXPECT_NE(bare.find(text), std::string::npos) << text;
  }
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
