// The desktop's convert action: the window's copy beside the track, never over a file that is
// there, and the window's message for each way it can fail.
#include "programs/win32-convert/ConvertBeside.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#ifdef __linux__
#include "tests/support/PermissionsBind.h"
#endif

#include "api/TrackApi.h"
#include "tests/support/SampleTrack.h"
#include "tests/support/TempDir.h"

namespace tarmaxion {
namespace {

using testing::ReadBytes;
using testing::SampleTrack;
using testing::TempDir;
using Bytes = std::vector<std::uint8_t>;

// The message in UTF-8, as the message box shows it; "" when the copy was written.
std::string MessageOf(const std::string& track) {
  const auto message = ConvertBeside(track);
  return message ? message->Utf8() : "";
}

Bytes CopyAs105(const Bytes& track) {
  TrackApi api;
  api.Open(track, "track.trk");
  const auto copy = api.CopyAs105();
  return Bytes(copy.begin(), copy.end());
}

TEST(ConvertBesideTest, WritesTheWindowsCopyUnderTheWindowsName) {
  const TempDir dir;
  const auto track = SampleTrack().Build();
  EXPECT_EQ(MessageOf(dir.Write("Müller oval.trk", track)), "");
  EXPECT_EQ(ReadBytes(dir.File("Müller oval_c.trk")), CopyAs105(track));
}

TEST(ConvertBesideTest, NeverWritesOverAFileThatIsThere) {
  const TempDir dir;
  const Bytes mine = {1, 2, 3};
  dir.Write("oval_c.trk", mine);
  EXPECT_EQ(MessageOf(dir.Write("oval.trk", SampleTrack().Build())), "Not saved: oval_c.trk: it exists already");
  EXPECT_EQ(ReadBytes(dir.File("oval_c.trk")), mine);
}

TEST(ConvertBesideTest, ATrackTheWindowRefusesGivesItsMessageAndNoCopy) {
  const TempDir dir;
  auto cut = SampleTrack().Build();
  cut.resize(20);
  EXPECT_EQ(MessageOf(dir.Write("old.trk", SampleTrack().Version(300).Build())), "Caution: Version <> 1.05");
  EXPECT_EQ(MessageOf(dir.Write("cut.trk", cut)), "Damaged track: landmap beyond end of file");
  EXPECT_EQ(MessageOf(dir.File("gone.trk")).rfind("Cannot open gone.trk: ", 0), 0u);
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "old_c.trk"));
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "cut_c.trk"));
}

#ifdef __linux__
TEST(ConvertBesideTest, AFolderThatTakesNoFileIsNamed) {
  const TempDir dir;
  const auto track = dir.Write("oval.trk", SampleTrack().Build());
  namespace fs = std::filesystem;
  fs::permissions(dir.Path(), fs::perms::owner_write, fs::perm_options::remove);
  {
    const testing::PermissionsBind bind;
    ASSERT_TRUE(bind.Active());
    EXPECT_EQ(MessageOf(track), "Not saved: oval_c.trk: Permission denied");
  }
  fs::permissions(dir.Path(), fs::perms::owner_write, fs::perm_options::add);
}
#endif

}  // namespace
}  // namespace tarmaxion
