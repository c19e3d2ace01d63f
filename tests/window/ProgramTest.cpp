#include "programs/window/Program.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "preview/Caption.h"
#include "tests/support/SampleTrack.h"
#include "tests/support/WindowRun.h"
#include "tests/support/TempDir.h"
#include "tools/builders/TrackBuilder.h"

namespace tarmaxion {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::SampleTrack;
using testing::TrackBuilder;

class ProgramTest : public testing::WindowTest {
 protected:
  // Runs the whole program on the scripted events; true when it ended with exit code 0.
  bool Run() { return Program(platform).Run() == 0; }
};

TEST_F(ProgramTest, StartUpBuildsTheWindowAndItsFiveControls) {
  program.StartUp();
  EXPECT_EQ(platform.WindowTitle(), "Tarmaxion Rivivizevido 1.10 to 1.05");
  EXPECT_EQ(platform.WindowFrame().width, 1000);
  EXPECT_EQ(platform.WindowFrame().height, 720);
  EXPECT_EQ(platform.CreationOrder(), (std::vector<int>{2, 8, 1, 11, 13}));
  EXPECT_EQ(platform.Control(kLoadButton).text, "load");
  EXPECT_EQ(platform.Control(kSaveButton).text, "save as 1.05");
  EXPECT_EQ(platform.Control(kMapView).area.x, 450);
  EXPECT_EQ(platform.Control(kSaveButton).area.x, 690);
  EXPECT_EQ(platform.Control(kSaveButton).area.width, 90);
  EXPECT_TRUE(Lines().empty());
  EXPECT_EQ(platform.Control(kMapView).image, nullptr);
  EXPECT_EQ(platform.Fonts().at(kCaptionFont), "Lucida Console");
  EXPECT_EQ(platform.Focused(), kLoadButton);
  EXPECT_EQ(program.Model().LoadedSize(), std::nullopt);
}

TEST_F(ProgramTest, CloseEndsWithExitCodeZeroAndReleasesTheWindow) {
  platform.QueueClick(kMapView);
  platform.QueueEvent({EventKind::kOther, 0});
  platform.QueueEvent({EventKind::kClose, 0});
  platform.QueueClick(kLoadButton);  // never reached
  EXPECT_TRUE(Run());
  EXPECT_TRUE(platform.IsShutDown());
  EXPECT_TRUE(platform.Dialogs().empty());
}

TEST_F(ProgramTest, LoadListsTheFileAndItsThirtyThreeLines) {
  const auto bytes = SampleTrack().Build();
  Load(dir_.Write("monza.trk", bytes));
  const auto lines = Lines();
  ASSERT_EQ(lines.size(), 33u);
  EXPECT_EQ(lines[0], "monza.trk   " + DecimalText(static_cast<std::int64_t>(bytes.size())) + " Bytes");
  EXPECT_EQ(lines[1], "Tarmaxion 1.10");
  EXPECT_EQ(lines[16], "Best: Ace 2345  7.3.2010   9:05.03");
  EXPECT_EQ(lines[32], "Ghost Frames:0");
  EXPECT_EQ(program.Model().State(), LoadState::kMapped);
  ASSERT_EQ(platform.Dialogs().size(), 1u);
  EXPECT_EQ(platform.Dialogs()[0].title, "Select Track");
  EXPECT_EQ(platform.Dialogs()[0].filters, (std::vector<FileFilter>{{"trk", "*.trk"}}));
  EXPECT_EQ(program.Model().CurrentFolder(), dir_.File(""));
}

TEST_F(ProgramTest, LoadingTheSameFileTwiceListsTheSameLines) {
  const auto path = dir_.Write("a.trk", SampleTrack().Build());
  Load(path);
  const auto first = Lines();
  Load(path);
  EXPECT_EQ(Lines(), first);
}

TEST_F(ProgramTest, CancelledFirstLoadListsTheEmptyBufferAndRejectsIt) {
  Load("");
  EXPECT_EQ(Lines(), std::vector<Text>{"   2000000 Bytes"});
  EXPECT_EQ(LastLog(), "Caution: Version <> 1.05");
  EXPECT_EQ(program.Model().State(), LoadState::kRefused);
}

TEST_F(ProgramTest, CancelledLoadAfterATrackListsThatTrackAgain) {
  const auto bytes = SampleTrack().Build();
  Load(dir_.Write("a.trk", bytes));
  Load("");
  EXPECT_EQ(Lines().size(), 33u);
  EXPECT_EQ(Lines()[0], "   " + DecimalText(static_cast<std::int64_t>(bytes.size())) + " Bytes");
  EXPECT_EQ(program.Model().CurrentFolder(), "");
}

TEST_F(ProgramTest, RejectedVersionListsOnlyTheFileLineAndBlocksTheSave) {
  Load(dir_.Write("a.trk", SampleTrack().Build()));
  Load(dir_.Write("old.trk", SampleTrack().Version(262).Build()));
  Save(dir_.File("out.trk"));
  EXPECT_EQ(Lines().size(), 1u);
  EXPECT_EQ(LastLog(), "Caution: Version <> 1.05");
  EXPECT_EQ(platform.Dialogs().size(), 2u);  // the save dialog never opened
  EXPECT_FALSE(std::filesystem::exists(dir_.File("out.trk")));
}

TEST_F(ProgramTest, DamagedTrackIsReportedAndNeitherListedNorSaved) {
  Load(dir_.Write("bad.trk", SampleTrack().RecordsOffset(100000).Build()));
  Save(dir_.File("out.trk"));
  EXPECT_EQ(Lines().size(), 2u);
  EXPECT_EQ(Lines()[1], "Tarmaxion 1.10");
  EXPECT_EQ(LastLog(), "Damaged track: records beyond end of file");
  EXPECT_FALSE(std::filesystem::exists(dir_.File("out.trk")));
}

TEST_F(ProgramTest, SaveWritesTheLoadedBytesWithVersionByteFive) {
  const auto bytes = SampleTrack().Build();
  const auto path = dir_.Write("oval.trk", bytes);
  Load(path);
  Save(dir_.File("oval_c.trk"));
  Save(dir_.File("again.trk"));
  EXPECT_EQ(LastLog(), "saved");
  ASSERT_EQ(platform.Dialogs().size(), 3u);
  EXPECT_EQ(platform.Dialogs()[1].title, "Save Track");
  EXPECT_EQ(platform.Dialogs()[1].default_path, dir_.File("oval_c.trk"));
  auto expected = bytes;
  expected[0] = 5;
  const auto saved = ReadBytes(dir_.File("oval_c.trk"));
  ASSERT_EQ(saved.size(), bytes.size());
  for (std::size_t i = 1; i < saved.size(); ++i) {
    // Besides byte 0 only the type of the remapped object (26, written as 8) differs.
    if (saved[i] != bytes[i]) {
      EXPECT_EQ(i, SampleTrack().ObjectTypeOffset(3)) << i;
    }
  }
  EXPECT_EQ(saved[0], 5);
  EXPECT_EQ(ReadBytes(dir_.File("again.trk")), saved);
  EXPECT_EQ(ReadBytes(path), bytes);  // the input is left alone
}

TEST_F(ProgramTest, VersionOneZeroFiveSavesWithItsVersionUnchanged) {
  const auto bytes = SampleTrack().Version(TrackBuilder::kVersion105).Build();
  Load(dir_.Write("a.trk", bytes));
  Save(dir_.File("b.trk"));
  auto expected = bytes;
  expected[SampleTrack().ObjectTypeOffset(3)] = 8;
  EXPECT_EQ(ReadBytes(dir_.File("b.trk")), expected);
}

TEST_F(ProgramTest, CancelledSaveChangesNothing) {
  const auto bytes = SampleTrack().Build();
  Load(dir_.Write("a.trk", bytes));
  Save("");
  EXPECT_EQ(Panel().find("saved"), Text::npos);
  EXPECT_EQ(LoadedBytes()[0], bytes[0]);
}

TEST_F(ProgramTest, SaveBeforeAnyLoadWritesNothingAndSaysSo) {
  Save(dir_.File("x.trk"));
  EXPECT_EQ(LastLog(), "Nothing to save: load a track first");
  EXPECT_TRUE(platform.Dialogs().empty());
  EXPECT_FALSE(std::filesystem::exists(dir_.File("x.trk")));
}

TEST_F(ProgramTest, DefaultSaveNameAfterACancelledLoadIsUnderscoreC) {
  Load(dir_.Write("a.trk", SampleTrack().Build()));
  Load("");
  Save("");
  EXPECT_EQ(platform.Dialogs().back().default_path, "_c.trk");
}

TEST_F(ProgramTest, FailedSaveSaysWhyAndKeepsTheExistingFile) {
  Load(dir_.Write("a.trk", SampleTrack().Build()));
  Save(dir_.File("no/such/folder/x.trk"));
  EXPECT_EQ(LastLog().rfind("Not saved: x.trk: ", 0), 0u) << LastLog();
}

// The earlier track stays in the buffer, where a cancelled load finds it again, but is never
// listed under the name of a file that could not be read.
TEST_F(ProgramTest, UnreadableFileIsReportedAndListsNothingUnderItsName) {
  const auto bytes = SampleTrack().Build();
  Load(dir_.Write("a.trk", bytes));
  Load(dir_.File("gone.trk"));
  EXPECT_TRUE(Lines().empty());
  EXPECT_EQ(LastLog().rfind("Cannot open gone.trk: ", 0), 0u) << LastLog();
  Load(dir_.Write("big.trk", std::vector<std::uint8_t>(1000001, 0)));
  EXPECT_TRUE(Lines().empty());
  EXPECT_EQ(LastLog(), "Track too large: big.trk has 1000001 bytes, at most 1000000 fit");
  EXPECT_EQ(program.Model().LoadedSize(), bytes.size());
  EXPECT_FALSE(program.Model().MapIsCurrent());
  Save("");
  EXPECT_EQ(LastLog(), "Nothing to save: load a track first");
  Load("");
  EXPECT_EQ(Lines().size(), 33u);
  EXPECT_TRUE(program.Model().MapIsCurrent());
}

TEST_F(ProgramTest, FileNamesOutsideAsciiShowInTheCodePageOfTheList) {
  Load(dir_.Write("Strecke-M\xC3\xBCller \xC3\xA9t\xC3\xA9.trk", SampleTrack().Build()));
  EXPECT_EQ(Lines()[0].rfind("Strecke-M\xFCller \xE9t\xE9.trk   ", 0), 0u);
}

}  // namespace
}  // namespace tarmaxion
