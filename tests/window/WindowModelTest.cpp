// The window model on its own, as the page drives it: bytes put into its buffer, a name, and
// what it then shows; the drop rule, the copy's name, messages that keep every character, and
// the page's map picture.
#include "window/WindowModel.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/SampleTrack.h"
#include "track/Conversion.h"
#include "window/MapPicture.h"

namespace tarmaxion {
namespace {

using testing::SampleTrack;

class WindowModelTest : public ::testing::Test {
 protected:
  void LoadBytes(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    std::copy(bytes.begin(), bytes.end(), model_.ReadBuffer().begin());
    model_.Load(ChosenFile{name, FileRead(bytes.size())});
  }
  Text LastLog() const { return model_.StatusLines().Lines().back().Windows1252(); }

  WindowModel model_{nullptr};
};

TEST(DropRuleTest, TheFirstFileLoadsAndWithoutFilesTheFirstItem) {
  using enum DropKind;
  const auto plan = [](std::vector<DropKind> kinds) { return PlanDrop(kinds); };
  EXPECT_FALSE(plan({}));
  EXPECT_EQ(plan({kOther, kFile, kOther, kFile})->load, 1u);
  EXPECT_EQ(plan({kOther, kFile, kOther, kFile})->files, 2u);
  EXPECT_EQ(plan({kOther, kOther})->load, 0u);
  EXPECT_EQ(plan({kOther, kOther})->files, 0u);
}

TEST(ConvertedNameTest, OnlyAnExtensionOfTrkInAnyCaseMakesWayForTheSuffix) {
  EXPECT_EQ(ConvertedName("C:\\tracks\\oval.trk"), "C:\\tracks\\oval_c.trk");
  EXPECT_EQ(ConvertedName("/t/Oval.TRK"), "/t/Oval_c.trk");
  EXPECT_EQ(ConvertedName("ab"), "ab_c.trk");
  EXPECT_EQ(ConvertedName("abc"), "abc_c.trk");
  EXPECT_EQ(ConvertedName("map.trk2"), "map.trk2_c.trk");
  EXPECT_EQ(ConvertedName(""), "_c.trk");
}

TEST_F(WindowModelTest, TracksFromBytesAreListedDrawnAndSavedUnderTheirDefaultName) {
  const auto bytes = SampleTrack().Build();
  LoadBytes("noext", bytes);
  EXPECT_EQ(model_.InfoLines().size(), 33u);
  EXPECT_TRUE(model_.MapIsCurrent());
  EXPECT_EQ(model_.BeginSave(), "noext_c.trk");
  const auto saved = model_.SaveAs105();
  EXPECT_EQ(saved.size(), bytes.size());
  EXPECT_EQ(saved[0], 5);
  model_.Saved("noext_c.trk", Done{});
  EXPECT_EQ(LastLog(), "saved");
}

TEST_F(WindowModelTest, ARefusedTrackKeepsThePictureButNotAsItsMap) {
  LoadBytes("a.trk", SampleTrack().Build());
  const Image* picture = model_.MapImage();
  LoadBytes("b.trk", SampleTrack().Version(262).Build());
  EXPECT_EQ(model_.MapImage(), picture);
  EXPECT_FALSE(model_.MapIsCurrent());
  EXPECT_FALSE(model_.BeginSave());
  EXPECT_EQ(LastLog(), "Caution: Version <> 1.05");
  // A file that cannot be read leaves the refused track in the buffer, and the save silent.
  model_.Load(ChosenFile{"gone.trk", FileRead(ReadFailure{ReadProblem::kCannotOpen, "not found"})});
  EXPECT_EQ(model_.State(), LoadState::kRefused);
  EXPECT_FALSE(model_.BeginSave());
  EXPECT_EQ(LastLog(), "Cannot open gone.trk: not found");
}

TEST_F(WindowModelTest, NamesAndReasonsKeepEveryCharacter) {
  const std::string name = "\xD1\x82\xD1\x80\xD0\xB0\xD1\x81\xD1\x81\xD0\xB0.trk";  // "трасса.trk"
  const std::string reason = "\xD0\x9D\xD0\xB5\xD1\x82";                          // "Нет"
  model_.Load(ChosenFile{"/x/" + name, ReadFailure{ReadProblem::kCannotOpen, reason}});
  EXPECT_EQ(model_.StatusLines().Lines().back().Utf8(), "Cannot open " + name + ": " + reason);
  LoadBytes("/x/" + name, SampleTrack().Build());
  EXPECT_EQ(model_.InfoLines().front().Utf8(), name + "   " + std::to_string(SampleTrack().Build().size()) + " Bytes");
  EXPECT_EQ(model_.StatusLines().Lines().back().Utf8().substr(0, 12), name.substr(0, 12));
  model_.Saved("/y/" + name, Problem<WriteProblem>{WriteProblem::kNotWritable, reason});
  EXPECT_EQ(model_.StatusLines().Lines().back().Utf8(), "Not saved: " + name + ": " + reason);
}

// The page's map view says when its picture is not the last load's map, and "save map as PNG"
// saves the map under its track's name only while it is.
TEST_F(WindowModelTest, TheMapIsSavedUnderItsTracksNameOnlyWhileItIsTheLastLoadsMap) {
  const auto note = [this] { return MapNote(model_).value_or("(none)").Utf8(); };
  const auto saved = [this] {
    const auto name = MapPictureToSave(model_);
    return name ? *name : name.Failure().Utf8();
  };
  EXPECT_EQ(note(), "(none)");
  EXPECT_EQ(saved(), "No map to save: load a track first");
  LoadBytes("/t/Oval.TRK", SampleTrack().Build());
  EXPECT_EQ(note(), "(none)");
  EXPECT_EQ(saved(), "Oval.png");
  LoadBytes("/t/\xD1\x82.trk", SampleTrack().Version(1).Build());
  EXPECT_EQ(note(), "No map for \xD1\x82.trk");
  EXPECT_EQ(saved(), "No map to save: \xD1\x82.trk has none");
  model_.Load(ChosenFile{"gone.trk", FileRead(ReadFailure{ReadProblem::kCannotOpen, "not found"})});
  EXPECT_EQ(note(), "No map for gone.trk");
  EXPECT_EQ(MapPictureName("C:\\t\\map.trk2"), "map.trk2.png");
}

}  // namespace
}  // namespace tarmaxion
