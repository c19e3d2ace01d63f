// What a command makes of its TRACK arguments before it reads any: folders named or walked, a
// track given twice handled once, and the output folder made when missing.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

#include "base/NativePath.h"
#include "tests/support/TempDir.h"
#include "tests/trkconv/TrkconvRun.h"
#include "tests/trkconv/WindowReference.h"

namespace tarmaxion {
namespace {

namespace fs = std::filesystem;
using testing::RichTrack;
using testing::RunInProcess;
using testing::TempDir;

std::vector<std::string> JsonPaths(const std::string& out) {
  std::vector<std::string> paths;
  std::istringstream lines(out);
  for (std::string line; std::getline(lines, line);) paths.push_back(nlohmann::json::parse(line)["path"]);
  return paths;
}

TEST(BatchInputsTest, AFolderIsNamedAndWalkedOnlyWithR) {
  TempDir dir;
  const auto tree = dir.Path() / "tree";
  fs::create_directories(tree / "b" / "sub");
  fs::create_directories(dir.Path() / "empty");
  for (const std::string name : {"b/sub/c.Trk", "a.trk", "b/Z.TRK", "notes.txt"}) {
    dir.Write("tree/" + name, RichTrack().Build());
  }
  const auto walked = [&](fs::path track) { return Utf8Path(tree / track.make_preferred()); };

  const auto unwalked = RunInProcess({"info", dir.File("tree/")});
  EXPECT_EQ(unwalked.exit_code, 1);
  EXPECT_EQ(unwalked.err, "trkconv: " + dir.File("tree/") + ": is a folder (use -r to walk it)\n");

  const auto info = RunInProcess({"info", "--json", "-r", Utf8Path(tree)});
  EXPECT_EQ(info.exit_code, 0) << info.err;
  EXPECT_EQ(JsonPaths(info.out),
            (std::vector<std::string>{walked("a.trk"), walked("b/Z.TRK"), walked("b/sub/c.Trk")}));

  // Flat in --out-dir, as the same tracks named one by one; beside each track without it.
  EXPECT_EQ(RunInProcess({"convert", "-r", "--out-dir", dir.File("out"), Utf8Path(tree)}).exit_code, 0);
  for (const auto* copy : {"a_c.trk", "Z_c.trk", "c_c.trk"}) EXPECT_TRUE(fs::exists(dir.Path() / "out" / copy)) << copy;
  EXPECT_EQ(RunInProcess({"preview", "--recursive", "--size", "8", Utf8Path(tree)}).exit_code, 0);
  EXPECT_TRUE(fs::exists(tree / "b" / "sub" / "c.png"));

  const auto empty = RunInProcess({"info", "-r", dir.File("empty")});
  EXPECT_EQ(empty.exit_code, 0);
  EXPECT_EQ(empty.err, "trkconv: warning: " + dir.File("empty") + " holds no .trk file\n");
}

TEST(BatchInputsTest, ATrackGivenTwiceIsHandledOnceWithAWarning) {
  TempDir dir;
  const auto track = dir.Write("a.trk", RichTrack().Build());
  fs::create_directory(dir.Path() / "sub");
  const auto other_spelling = dir.File("sub/../a.trk");
  for (const std::string command : {"convert", "preview"}) {
    const auto run = RunInProcess({command, "--force", track, other_spelling, track});
    EXPECT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << run.out;
    EXPECT_EQ(run.err, "trkconv: warning: " + other_spelling + " is the same file as " + track +
                           "; handled once\ntrkconv: warning: " + track + " given twice; handled once\n");
  }
}

TEST(BatchInputsTest, AMissingOutputFolderIsMadeAsMkdirP) {
  TempDir dir;
  const auto track = dir.Write("a.trk", RichTrack().Build());
  const auto run = RunInProcess({"convert", "--out-dir", dir.File("x/y"), track});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_TRUE(fs::exists(dir.Path() / "x" / "y" / "a_c.trk"));
}

}  // namespace
}  // namespace tarmaxion
