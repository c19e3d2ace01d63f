#include "app/Program.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/ScriptedProgram.h"
#include "tests/support/TempDir.h"
#include "tests/support/TrackBuilder.h"

namespace tarmaxion {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::TrackBuilder;

TrackBuilder SampleTrack() {
  TrackBuilder track;
  track.WorldSize(100).WaterLevel(20).Landmap({0x0FF2, 0x0FF3}).Object(10, 100, 100);
  track.Author("Jo").Record(0, "Ace", 2345).Record(1, "Bob", 4567).CarName(1, "Rocket");
  return track;
}

class ProgramTest : public testing::ScriptedProgram {
 protected:
  // Runs the whole program on the scripted events; true when it ended with exit code 0.
  bool Run() { return Program(platform_).Run() == 0; }
};

TEST_F(ProgramTest, StartUpBuildsTheWindowAndItsFiveControls) {
  program_.StartUp();
  EXPECT_EQ(platform_.WindowTitle(), "Tarmaxion Rivivizevido 1.10 to 1.05");
  EXPECT_EQ(platform_.WindowFrame().width, 1000);
  EXPECT_EQ(platform_.WindowFrame().height, 720);
  EXPECT_EQ(platform_.CreationOrder(), (std::vector<int>{2, 8, 1, 11, 13}));
  EXPECT_EQ(platform_.Control(kLoadButton).text, "load");
  EXPECT_EQ(platform_.Control(kSaveButton).text, "save as 1.05");
  EXPECT_EQ(platform_.Control(kMapView).area.x, 450);
  EXPECT_EQ(platform_.Control(kSaveButton).area.x, 690);
  EXPECT_EQ(platform_.Control(kSaveButton).area.width, 90);
  EXPECT_TRUE(Lines().empty());
  EXPECT_EQ(platform_.Control(kMapView).image, nullptr);
  EXPECT_EQ(platform_.Fonts().at(kCaptionFont), "Lucida Console");
  EXPECT_EQ(program_.State().track_buffer.size(), 2000000u);
  EXPECT_EQ(program_.State().loaded_size, 2000000);
}

TEST_F(ProgramTest, CloseEndsWithExitCodeZeroAndReleasesTheWindow) {
  platform_.QueueClick(kMapView);
  platform_.QueueEvent({EventKind::kOther, 0});
  platform_.QueueEvent({EventKind::kClose, 0});
  platform_.QueueClick(kLoadButton);  // never reached
  EXPECT_TRUE(Run());
  EXPECT_TRUE(platform_.IsShutDown());
  EXPECT_TRUE(platform_.Dialogs().empty());
}

TEST_F(ProgramTest, LoadListsTheFileAndItsThirtyThreeLines) {
  const auto bytes = SampleTrack().Build();
  Load(dir_.Write("monza.trk", bytes));
  RunScript();
  const auto lines = Lines();
  ASSERT_EQ(lines.size(), 33u);
  EXPECT_EQ(lines[0], "monza.trk   " + std::to_string(bytes.size()) + " Bytes");
  EXPECT_EQ(lines[1], "Tarmaxion 1.10");
  EXPECT_EQ(lines[16], "Best: Ace 2345  7.3.2010   9:05.03");
  EXPECT_EQ(lines[32], "Ghost Frames:0");
  EXPECT_FALSE(program_.State().version_error);
  ASSERT_EQ(platform_.Dialogs().size(), 1u);
  EXPECT_EQ(platform_.Dialogs()[0].title, "Select Track");
  EXPECT_EQ(platform_.Dialogs()[0].filter, "trk|*.trk");
  EXPECT_EQ(program_.State().current_folder, dir_.File(""));
}

TEST_F(ProgramTest, LoadingTheSameFileTwiceListsTheSameLines) {
  const auto path = dir_.Write("a.trk", SampleTrack().Build());
  Load(path);
  RunScript();
  const auto first = Lines();
  Load(path);
  RunScript();
  EXPECT_EQ(Lines(), first);
}

TEST_F(ProgramTest, CancelledFirstLoadListsTheEmptyBufferAndRejectsIt) {
  Load("");
  RunScript();
  EXPECT_EQ(Lines(), std::vector<Text>{"   2000000 Bytes"});
  EXPECT_EQ(LastLog(), "Caution: Version <> 1.05");
  EXPECT_TRUE(program_.State().version_error);
}

TEST_F(ProgramTest, CancelledLoadAfterATrackListsThatTrackAgain) {
  const auto bytes = SampleTrack().Build();
  Load(dir_.Write("a.trk", bytes));
  Load("");
  RunScript();
  EXPECT_EQ(Lines().size(), 33u);
  EXPECT_EQ(Lines()[0], "   " + std::to_string(bytes.size()) + " Bytes");
  EXPECT_EQ(program_.State().current_folder, "");
}

TEST_F(ProgramTest, RejectedVersionListsOnlyTheFileLineAndBlocksTheSave) {
  Load(dir_.Write("a.trk", SampleTrack().Build()));
  Load(dir_.Write("old.trk", SampleTrack().Version(262).Build()));
  Save(dir_.File("out.trk"));
  RunScript();
  EXPECT_EQ(Lines().size(), 1u);
  EXPECT_EQ(LastLog(), "Caution: Version <> 1.05");
  EXPECT_EQ(platform_.Dialogs().size(), 2u);  // the save dialog never opened
  EXPECT_FALSE(std::filesystem::exists(dir_.File("out.trk")));
}

TEST_F(ProgramTest, DamagedTrackIsReportedAndNeitherListedNorSaved) {
  Load(dir_.Write("bad.trk", SampleTrack().RecordsOffset(100000).Build()));
  Save(dir_.File("out.trk"));
  RunScript();
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
  RunScript();
  EXPECT_EQ(LastLog(), "saved");
  ASSERT_EQ(platform_.Dialogs().size(), 3u);
  EXPECT_EQ(platform_.Dialogs()[1].title, "Save Track");
  EXPECT_EQ(platform_.Dialogs()[1].default_path, dir_.File("oval_c.trk"));
  auto expected = bytes;
  expected[0] = 5;
  const auto saved = ReadBytes(dir_.File("oval_c.trk"));
  ASSERT_EQ(saved.size(), bytes.size());
  for (std::size_t i = 1; i < saved.size(); ++i) {
    // Only object type bytes may differ besides byte 0.
    if (saved[i] != bytes[i]) {
      EXPECT_EQ(i, SampleTrack().ObjectTypeOffset(0)) << i;
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
  RunScript();
  EXPECT_EQ(ReadBytes(dir_.File("b.trk")), bytes);
}

TEST_F(ProgramTest, CancelledSaveChangesNothing) {
  const auto bytes = SampleTrack().Build();
  Load(dir_.Write("a.trk", bytes));
  Save("");
  RunScript();
  EXPECT_EQ(platform_.Control(kLogPanel).text.find("saved"), Text::npos);
  EXPECT_EQ(program_.State().track_buffer[0], bytes[0]);
}

TEST_F(ProgramTest, SaveBeforeAnyLoadWritesNothingAndSaysSo) {
  Save(dir_.File("x.trk"));
  RunScript();
  EXPECT_EQ(LastLog(), "Nothing to save: load a track first");
  EXPECT_TRUE(platform_.Dialogs().empty());
  EXPECT_FALSE(std::filesystem::exists(dir_.File("x.trk")));
}

TEST_F(ProgramTest, DefaultSaveNameAfterACancelledLoadIsUnderscoreC) {
  Load(dir_.Write("a.trk", SampleTrack().Build()));
  Load("");
  Save("");
  RunScript();
  EXPECT_EQ(platform_.Dialogs().back().default_path, "_c.trk");
}

TEST_F(ProgramTest, FailedSaveSaysWhyAndKeepsTheExistingFile) {
  Load(dir_.Write("a.trk", SampleTrack().Build()));
  Save(dir_.File("no/such/folder/x.trk"));
  RunScript();
  EXPECT_EQ(LastLog().rfind("Not saved: x.trk: ", 0), 0u) << LastLog();
}

TEST_F(ProgramTest, MissingFileIsReportedAndThePreviousTrackListedAgain) {
  Load(dir_.Write("a.trk", SampleTrack().Build()));
  Load(dir_.File("gone.trk"));
  RunScript();
  EXPECT_EQ(Lines()[0].rfind("gone.trk   ", 0), 0u);
  EXPECT_EQ(Lines().size(), 33u);
  const Text& panel = platform_.Control(kLogPanel).text;
  EXPECT_NE(panel.find("Cannot open gone.trk: "), Text::npos);
}

TEST_F(ProgramTest, TooLargeFileIsRefusedAndTheBufferKept) {
  const auto bytes = SampleTrack().Build();
  Load(dir_.Write("a.trk", bytes));
  Load(dir_.Write("big.trk", std::vector<std::uint8_t>(1000001, 0)));
  RunScript();
  const Text& panel = platform_.Control(kLogPanel).text;
  EXPECT_NE(panel.find("Track too large: big.trk has 1000001 bytes, at most 1000000 fit"), Text::npos);
  EXPECT_EQ(program_.State().loaded_size, static_cast<std::int32_t>(bytes.size()));
  EXPECT_EQ(Lines().size(), 33u);
}

TEST_F(ProgramTest, FileNamesOutsideAsciiShowInTheCodePageOfTheList) {
  Load(dir_.Write("Strecke-M\xC3\xBCller \xC3\xA9t\xC3\xA9.trk", SampleTrack().Build()));
  RunScript();
  EXPECT_EQ(Lines()[0].rfind("Strecke-M\xFCller \xE9t\xE9.trk   ", 0), 0u);
}

}  // namespace
}  // namespace tarmaxion
