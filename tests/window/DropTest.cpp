// Files dropped on the window: one is loaded as the open dialog would load it, of several the
// first file; a drop without a file says why its first item cannot be read.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/WindowRun.h"
#include "tools/builders/TrackBuilder.h"

namespace tarmaxion {
namespace {

using testing::TrackBuilder;
using testing::WindowRun;

class DropTest : public testing::WindowTest {
 protected:
  std::string Track(const std::string& name) {
    TrackBuilder track;
    track.WorldSize(100).Landmap({0x0FF2, 0x0FF3}).Object(10, 100, 100).Record(1, "Bob", 4567);
    return dir_.Write(name, track.Build());
  }
};

TEST_F(DropTest, OneFileLoadsAsTheOpenDialogLoadsIt) {
  const auto path = Track("monza.trk");
  WindowRun chosen;
  chosen.Load(path);
  Drop({path});
  EXPECT_TRUE(platform.Dialogs().empty());
  EXPECT_EQ(Lines(), chosen.Lines());
  EXPECT_EQ(Panel(), chosen.Panel());
  EXPECT_EQ(Map(), chosen.Map());
  EXPECT_NE(Shown(), nullptr);
  EXPECT_EQ(Model().CurrentFolder(), chosen.Model().CurrentFolder());
  Save("");
  chosen.Save("");
  EXPECT_EQ(platform.Dialogs().back().default_path, chosen.platform.Dialogs().back().default_path);
}

TEST_F(DropTest, OfSeveralFilesTheFirstLoadsAndTheRestAreCounted) {
  const auto first = Track("first.trk");
  const auto second = Track("second.trk");
  std::filesystem::create_directory(dir_.Path() / "folder");
  Drop({dir_.File("folder"), first, second, dir_.File("third.trk")});
  EXPECT_EQ(Lines().front().substr(0, 9), "first.trk");
  EXPECT_EQ(LastLog(), "Dropped 2 files: loaded the first, left out 1");
  EXPECT_EQ(LogLines()[4], "first_4567_Bob");
}

TEST_F(DropTest, WithoutAFileTheFirstItemSaysWhyItCannotBeRead) {
  Load(Track("kept.trk"));
  const auto panel = Panel();
  Drop({});
  EXPECT_EQ(Panel(), panel);
  std::filesystem::create_directory(dir_.Path() / "folder");
  Drop({dir_.File("missing.trk"), dir_.File("folder")});
  EXPECT_EQ(LastLog().rfind("Cannot open missing.trk: ", 0), 0u) << LastLog();
  EXPECT_TRUE(Lines().empty());
  Drop({dir_.File("folder")});
  EXPECT_EQ(LastLog().rfind("Cannot open folder: ", 0), 0u) << LastLog();
  EXPECT_EQ(platform.Dialogs().size(), 1u);
}

// "tarmaxion-converter missing.trk first.trk folder second.trk": every name that opens nothing
// is told, not only the first, and the files among the names are a drop of their own.
TEST_F(DropTest, AtStartEachNameThatOpensNothingIsLoggedAndTheFilesAreDropped) {
  const auto first = Track("first.trk");
  const auto second = Track("second.trk");
  std::filesystem::create_directory(dir_.Path() / "folder");
  StartWith({dir_.File("missing.trk"), first, dir_.File("folder"), second});
  const auto log = LogLines();
  EXPECT_EQ(log[1], "ready...");
  EXPECT_EQ(log[2].rfind("Cannot open missing.trk: ", 0), 0u) << log[2];
  EXPECT_EQ(log[3].rfind("Cannot open folder: ", 0), 0u) << log[3];
  EXPECT_EQ(log[4], "first_4567_Bob");
  EXPECT_EQ(log[5], "Dropped 2 files: loaded the first, left out 1");
  EXPECT_EQ(Lines().front().substr(0, 9), "first.trk");
}

}  // namespace
}  // namespace tarmaxion
