// What a command makes of its TRACK arguments before it reads any: folders named or walked, a
// track given twice handled once, and the output folder made when missing.
#include <gtest/gtest.h>

#include <filesystem>

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

TEST(BatchInputsTest, AFolderIsNamedAndWalkedOnlyWithR) {
  TempDir dir;
  fs::create_directories(dir.Path() / "tree" / "b" / "sub");
  fs::create_directories(dir.Path() / "empty");
  for (const std::string name : {"b/sub/c.Trk", "a.trk", "b/Z.TRK", "notes.txt"}) {
    dir.Write("tree/" + name, RichTrack().Build());
  }
  const auto unwalked = RunInProcess({"info", dir.File("tree/")});
  EXPECT_EQ(unwalked.exit_code, 1);
  EXPECT_EQ(unwalked.err, "trkconv: " + dir.File("tree/") + ": is a folder (use -r to walk it)\n");

  // Sorted by path, each copy beside its track.
  const auto walked = [&](fs::path track, const std::string& copy) {
    const auto path = dir.Path() / "tree" / track.make_preferred();
    return Utf8Path(path) + " -> " + Utf8Path(path.parent_path() / copy) + "\n";
  };
  const auto converted = RunInProcess({"convert", "-r", dir.File("tree")});
  EXPECT_EQ(converted.exit_code, 0) << converted.err;
  EXPECT_EQ(converted.out,
            walked("a.trk", "a_c.trk") + walked("b/Z.TRK", "Z_c.trk") + walked("b/sub/c.Trk", "c_c.trk"));

  // Flat in --out-dir, which is made with the folders above it.
  const auto maps = dir.File("maps/deep");
  EXPECT_EQ(RunInProcess({"preview", "--recursive", "--out-dir", maps, dir.File("tree")}).exit_code, 0);
  for (const auto* image : {"a.png", "Z.png", "c.png"}) EXPECT_TRUE(fs::exists(NativePath(maps) / image));

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

}  // namespace
}  // namespace tarmaxion
