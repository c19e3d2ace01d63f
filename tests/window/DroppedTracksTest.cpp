// The page's list of dropped tracks: nothing a drop brings is lost, every copy has a name of its
// own, the zip's count is true, and the gallery's orders and filter.
#include "window/DroppedTracks.h"

#include <gtest/gtest.h>

#include "tests/support/SampleTrack.h"

namespace tarmaxion {
namespace {

using testing::SampleTrack;
using testing::TrackBuilder;

class DroppedTracksTest : public ::testing::Test {
 protected:
  void Drop(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    tracks_.Add(name, FileRead(bytes.size()), bytes);
  }
  void DropUnreadable(const std::string& name, ReadProblem problem) {
    tracks_.Add(name, FileRead(ReadFailure{problem, kFolderReason, 0, 2'000'000}), {});
  }
  std::vector<std::string> Names(GalleryOrder order, std::string_view filter = "") const {
    std::vector<std::string> names;
    for (const std::size_t i : tracks_.Gallery(order, filter)) names.push_back(tracks_.Tracks()[i].name);
    return names;
  }

  DroppedTracks tracks_;
};

TEST_F(DroppedTracksTest, EveryTrackOfEveryDropIsKeptUnderANameNoOtherCopyHas) {
  const auto sample = SampleTrack().Build();
  const auto other = SampleTrack().Author("Someone else").Build();
  for (const auto& [name, bytes] : {std::pair{"same.trk", sample}, {"same.trk", other}, {"a.trk", sample},
                                    {"a.TRK", sample}, {"ab", sample}, {"abc", sample}}) {
    Drop(name, bytes);
  }
  Drop("old.trk", SampleTrack().Version(TrackBuilder::kVersion105 + 1).Build());
  Drop("bad.trk", SampleTrack().RecordsOffset(100000).Build());
  DropUnreadable("tracks", ReadProblem::kCannotOpen);
  DropUnreadable("huge.trk", ReadProblem::kTooLarge);

  std::vector<std::string> copy_names;
  for (const auto& track : tracks_.Tracks()) copy_names.push_back(track.copy_name);
  EXPECT_EQ(copy_names, (std::vector<std::string>{"same_c.trk", "same_c (2).trk", "a_c.trk", "a_c (2).trk",
                                                  "ab_c.trk", "abc_c.trk", "", "", "", ""}));
  EXPECT_EQ(tracks_.Tracks()[1].copy.size(), other.size());
  EXPECT_EQ(tracks_.Tracks()[1].copy[0], 5);
  EXPECT_EQ(tracks_.Tracks()[1].lines[2].Utf8(), "Autor: Someone else");
  EXPECT_EQ(tracks_.Tracks()[6].lines[0].Utf8(), "Caution: Version <> 1.05");
  EXPECT_EQ(tracks_.Tracks()[7].state, DroppedState::kDamaged);
  EXPECT_EQ(tracks_.Tracks()[8].lines[0].Utf8(), "Cannot open tracks: it is a folder");
  EXPECT_EQ(tracks_.ZipSavedMessage().Utf8(),
            "saved 6 of 10 tracks in tracks_c.zip; 2 refused, 1 damaged, 1 unreadable, see the list");

  tracks_.Clear();
  EXPECT_EQ(tracks_.NothingToConvertMessage().Utf8(), "Nothing to convert: drop tracks first");
  Drop("old.trk", SampleTrack().Version(1).Build());
  EXPECT_EQ(tracks_.NothingToConvertMessage().Utf8(), "Nothing to convert: 1 refused, see the list");
  Drop("same.trk", sample);
  EXPECT_EQ(tracks_.Tracks()[1].copy_name, "same_c.trk");
  EXPECT_EQ(tracks_.ZipSavedMessage().Utf8(), "saved 1 of 2 tracks in tracks_c.zip; 1 refused, see the list");
}

TEST_F(DroppedTracksTest, TheGallerySortsByEachFieldAndFiltersWithCaseIgnored) {
  Drop("b.trk", SampleTrack().Author("zoe").TrackLength(300).Record(0, "Ace", 900).Build());
  Drop("C.trk", SampleTrack().Author("Max").TrackLength(100).Record(0, "Ace", 1200).Build());
  Drop("a.trk", SampleTrack().Version(1).Build());
  Drop("d.trk", SampleTrack().Author("anna").TrackLength(200).Record(0, "Ace", 1000).Build());
  Drop("e.trk", SampleTrack().Author("eve").TrackLength(400).Record(0, "Ace", 6000).Build());
  // A card reads the best lap in seconds, as the caption does.
  EXPECT_EQ(tracks_.Tracks()[1].lines[3].Utf8(), "Best: Ace 12.00");
  EXPECT_EQ(tracks_.Tracks()[4].lines[3].Utf8(), "no Best Time");
  using enum GalleryOrder;
  EXPECT_EQ(Names(kName), (std::vector<std::string>{"a.trk", "b.trk", "C.trk", "d.trk", "e.trk"}));
  EXPECT_EQ(Names(kAuthor), (std::vector<std::string>{"d.trk", "e.trk", "C.trk", "b.trk", "a.trk"}));
  EXPECT_EQ(Names(kLength), (std::vector<std::string>{"C.trk", "d.trk", "b.trk", "e.trk", "a.trk"}));
  EXPECT_EQ(Names(kBestLap), (std::vector<std::string>{"b.trk", "d.trk", "C.trk", "e.trk", "a.trk"}));
  EXPECT_EQ(Names(kName, "ZOE"), (std::vector<std::string>{"b.trk"}));
  EXPECT_EQ(Names(kName, "caution"), (std::vector<std::string>{"a.trk"}));
  EXPECT_EQ(Names(kLength, "d_C.TRK"), (std::vector<std::string>{"d.trk"}));
  EXPECT_EQ(Names(kName, "12.00"), (std::vector<std::string>{"C.trk"}));
  EXPECT_EQ(DroppedTracks::NoMatchMessage("zo\xC3\xAB").Utf8(), "No track matches \xE2\x80\x9Czo\xC3\xAB\xE2\x80\x9D");
}

// Яков and Анна: in Windows-1252 "ßêîâ" sorts before "Àííà", in Cyrillic after.
TEST_F(DroppedTracksTest, TextsAreReadInTheChosenPageAgainWhenItChangesAndTheCopiesStay) {
  Drop("b.trk", SampleTrack().Author("\xC0\xED\xED\xE0").Build());
  tracks_.ReadTextsIn(CodePage::k1251);
  Drop("a.trk", SampleTrack().Author("\xDF\xEA\xEE\xE2").Record(0, "\xCF\xE5\xF2\xFF", 4567).Build());
  const auto copy = tracks_.Tracks()[1].copy;
  EXPECT_EQ(tracks_.Tracks()[1].lines[3].Utf8(), "Best: Петя 45.67");
  EXPECT_EQ(Names(GalleryOrder::kAuthor, "ЯКОВ"), (std::vector<std::string>{"a.trk"}));
  EXPECT_EQ(Names(GalleryOrder::kAuthor), (std::vector<std::string>{"b.trk", "a.trk"}));
  tracks_.ReadTextsIn(CodePage::k1252);
  EXPECT_EQ(Names(GalleryOrder::kAuthor), (std::vector<std::string>{"a.trk", "b.trk"}));
  EXPECT_EQ(tracks_.Tracks()[1].copy, copy);
}

}  // namespace
}  // namespace tarmaxion
