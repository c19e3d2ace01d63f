#include <gtest/gtest.h>

#include <filesystem>

#include "base/Encoding.h"
#include "tests/trkconv/TrkconvRun.h"
#include "tests/trkconv/WindowReference.h"
#include "tests/support/TempDir.h"
#ifdef __linux__
#include "tests/support/PermissionsBind.h"
#endif
#include "track/Conversion.h"

namespace tarmaxion {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::RichTrack;
using testing::RunInProcess;
using testing::RunWindow;
using testing::TempDir;
using testing::TrackBuilder;

bool Exists(const std::string& utf8_path) {
  return fs::exists(fs::path(std::u8string(utf8_path.begin(), utf8_path.end())));
}

class ConvertTest : public ::testing::Test {
 protected:
  // What the window saves for these bytes, loaded from a file of the same name elsewhere.
  std::vector<std::uint8_t> WindowCopy(const std::vector<std::uint8_t>& bytes) {
    const auto path = reference_.Write("reference.trk", bytes);
    return RunWindow(path, reference_.File("reference_c.trk")).saved;
  }

  TempDir dir_;
  TempDir reference_;
};

struct CopyCase {
  const char* label;
  TrackBuilder track;
};

class ConvertedBytes : public ConvertTest, public ::testing::WithParamInterface<CopyCase> {};

TEST_P(ConvertedBytes, EqualWhatTheWindowSavesUnderItsDefaultName) {
  const auto bytes = GetParam().track.Build();
  const auto path = dir_.Write("track.trk", bytes);
  const auto run = RunInProcess({"convert", path});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(run.out, path + " -> " + dir_.File("track_c.trk") + "\n");
  const auto copy = ReadBytes(dir_.File("track_c.trk"));
  EXPECT_EQ(copy, WindowCopy(bytes));
  ASSERT_EQ(copy.size(), bytes.size());
  EXPECT_EQ(copy[0], 5);
  EXPECT_EQ(ReadBytes(path), bytes);  // the input stays as it was
}

INSTANTIATE_TEST_SUITE_P(
    Tracks, ConvertedBytes,
    // Which entries the remap takes is the object marker tests' matter; here both sides must
    // apply the same conversion to the same entries.
    ::testing::Values(
        CopyCase{"v110WithRemappedObjects", RichTrack()},
        CopyCase{"v105", RichTrack().Version(TrackBuilder::kVersion105)},
        CopyCase{"NoObjects", TrackBuilder()},
        CopyCase{"WorldSizeZeroDrawsNoRectanglesButRemaps", RichTrack().WorldSize(0)},
        // A count past the entries takes whatever follows them for entries.
        CopyCase{
            "CountReachingPastTheEntries",
            TrackBuilder().Object(26, 512, 512).AfterObjects({27, 0, 0, 2, 0, 2, 0, 0}).ObjectCount(900)}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(ConvertTest, EachCopyOfABatchHoldsOnlyItsOwnTrack) {
  // Long first, so what it leaves in memory lies beyond the end of the shorter ones.
  const std::vector<std::vector<std::uint8_t>> tracks = {
      RichTrack().GhostData(20000).Build(),
      TrackBuilder().Object(26, 512, 512).ObjectCount(900).Build(),
      RichTrack().Version(TrackBuilder::kVersion105).Build(),
  };
  std::vector<std::string> args = {"convert"};
  for (std::size_t i = 0; i < tracks.size(); ++i)
    args.push_back(dir_.Write(std::to_string(i) + ".trk", tracks[i]));
  const auto run = RunInProcess(args);
  ASSERT_EQ(run.exit_code, 0) << run.err;
  for (std::size_t i = 0; i < tracks.size(); ++i) {
    EXPECT_EQ(ReadBytes(dir_.File(std::to_string(i) + "_c.trk")), WindowCopy(tracks[i])) << i;
  }
}

// A file the window will not save is reported with the window's own log message.
TEST_F(ConvertTest, RefusedFilesAreReportedAsTheWindowLogsThem) {
  const struct {
    const char* name;
    std::vector<std::uint8_t> bytes;  // nothing is written for an empty one: a missing file
    std::size_t log_line;             // the window's line that says why, counted from the oldest
  } cases[] = {
      {"old.trk", RichTrack().Version(262).Build(), 5},
      {"magic.trk", RichTrack().Magic("TY").Build(), 5},
      {"one_byte.trk", {0x10}, 5},
      {"damaged.trk", RichTrack().RecordsOffset(100000).Build(), 5},
      {"huge.trk", std::vector<std::uint8_t>(1'000'001, 0), 5},
      {"missing.trk", {}, 5},
  };
  for (const auto& c : cases) {
    const auto path = c.bytes.empty() ? dir_.File(c.name) : dir_.Write(c.name, c.bytes);
    const auto window = RunWindow(path);
    const auto run = RunInProcess({"convert", path});
    EXPECT_EQ(run.exit_code, 1) << c.name;
    EXPECT_EQ(run.out, "") << c.name;
    EXPECT_EQ(run.err, "trkconv: " + path + ": " + Utf8FromWindows1252(window.log.at(c.log_line)) + "\n") << c.name;
    EXPECT_FALSE(Exists(ConvertedName(path))) << c.name;
  }
}

TEST_F(ConvertTest, UnicodeNameGetsTheWindowsDefaultName) {
  const std::string name = "Strecke-M\xC3\xBCller \xC3\xA9t\xC3\xA9";
  const auto run = RunInProcess({"convert", dir_.Write(name + ".trk", RichTrack().Build())});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_TRUE(Exists(dir_.File(name + "_c.trk")));
}

TEST_F(ConvertTest, ABadFileInABatchIsReportedAndTheOthersAreWritten) {
  const auto a = dir_.Write("a.trk", RichTrack().Build());
  const auto bad = dir_.Write("bad.trk", RichTrack().RecordsOffset(100000).Build());
  const auto c = dir_.Write("c.trk", TrackBuilder().Build());
  const auto run = RunInProcess({"convert", a, bad, c});
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(run.out, a + " -> " + dir_.File("a_c.trk") + "\n" + c + " -> " + dir_.File("c_c.trk") + "\n");
  EXPECT_EQ(run.err, "trkconv: " + bad + ": Damaged track: records beyond end of file\n");
  EXPECT_TRUE(Exists(dir_.File("a_c.trk")));
  EXPECT_FALSE(Exists(dir_.File("bad_c.trk")));
  EXPECT_TRUE(Exists(dir_.File("c_c.trk")));
}

TEST_F(ConvertTest, AnExistingCopyIsReplacedOnlyWithForce) {
  const auto bytes = RichTrack().Build();
  const auto path = dir_.Write("a.trk", bytes);
  const auto copy = dir_.Write("a_c.trk", {1, 2, 3});

  const auto refused = RunInProcess({"convert", path});
  EXPECT_EQ(refused.exit_code, 1);
  EXPECT_NE(refused.err.find("already exists"), std::string::npos) << refused.err;
  EXPECT_EQ(ReadBytes(copy), (std::vector<std::uint8_t>{1, 2, 3}));

  const auto forced = RunInProcess({"convert", "--force", path});
  EXPECT_EQ(forced.exit_code, 0) << forced.err;
  EXPECT_EQ(ReadBytes(copy), WindowCopy(bytes));

  // A read-only copy stays, whoever runs the batch (root included).
  const auto locked = dir_.Write("locked.trk", {4, 5});
  fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const auto read_only = RunInProcess({"convert", "--force", "-o", locked, path});
  EXPECT_EQ(read_only.exit_code, 1);
  EXPECT_EQ(ReadBytes(locked), (std::vector<std::uint8_t>{4, 5}));
}

TEST_F(ConvertTest, AnInputIsNeverReplacedEvenWithForce) {
  const auto a_bytes = RichTrack().Build();
  const auto a = dir_.Write("a.trk", a_bytes);
  const auto a_c_bytes = TrackBuilder().Build();
  const auto a_c = dir_.Write("a_c.trk", a_c_bytes);  // a's default copy name, and an input
  fs::create_hard_link(dir_.Path() / "a.trk", dir_.Path() / "link.trk");

  const std::vector<std::vector<std::string>> commands = {
      {"convert", "--force", "-o", a, a},
      {"convert", "--force", "-o", dir_.File("link.trk"), a},
      {"convert", "--force", a, a_c},
  };
  for (const auto& command : commands) {
    const auto run = RunInProcess(command);
    EXPECT_EQ(run.exit_code, 1) << command[3];
    EXPECT_NE(run.err.find("is one of the input files"), std::string::npos) << run.err;
    EXPECT_EQ(ReadBytes(a), a_bytes);
    EXPECT_EQ(ReadBytes(a_c), a_c_bytes);
  }
  // In the last batch the other input still gets its copy.
  EXPECT_EQ(ReadBytes(dir_.File("a_c_c.trk")), WindowCopy(a_c_bytes));
}

TEST_F(ConvertTest, OutDirTakesTheDefaultNamesAndNeverWritesOneFileTwice) {
  const TempDir out;
  fs::create_directories(dir_.Path() / "one");
  fs::create_directories(dir_.Path() / "two");
  const auto bytes = RichTrack().Build();
  const auto first = dir_.Write("one/oval.trk", bytes);
  const auto second = dir_.Write("two/oval.trk", TrackBuilder().Build());
  const auto other = dir_.Write("two/ring.trk", bytes);

  const auto run = RunInProcess({"convert", "--force", "--out-dir", out.File(""), first, second, other});
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(ReadBytes(out.File("oval_c.trk")), WindowCopy(bytes));  // the first one's copy stays
  EXPECT_EQ(ReadBytes(out.File("ring_c.trk")), WindowCopy(bytes));
  EXPECT_NE(run.err.find("already written by this run"), std::string::npos) << run.err;
  EXPECT_FALSE(Exists(dir_.File("one/oval_c.trk")));
}

TEST_F(ConvertTest, OutputOptionNamesTheCopy) {
  const auto bytes = RichTrack().Build();
  const auto copy = dir_.File("chosen.trk");
  const auto run = RunInProcess({"convert", "-o", copy, dir_.Write("a.trk", bytes)});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(ReadBytes(copy), WindowCopy(bytes));
}

TEST_F(ConvertTest, ACopyThatCannotBeWrittenIsAFailureThatSaysWhy) {
  const auto track = dir_.Write("a.trk", RichTrack().Build());
  const auto no_folder = RunInProcess({"convert", "-o", dir_.File("no/such/folder/x.trk"), track});
  EXPECT_EQ(no_folder.exit_code, 1);
  // The path as given, not only its file part, which alone would not say what is missing.
  EXPECT_NE(no_folder.err.find("Not saved: " + dir_.File("no/such/folder/x.trk") + ": "), std::string::npos)
      << no_folder.err;

  fs::create_directories(dir_.Path() / "folder.trk");
  const auto folder = RunInProcess({"convert", "--force", "-o", dir_.File("folder.trk"), track});
  EXPECT_EQ(folder.exit_code, 1);
  EXPECT_NE(folder.err.find("is a folder"), std::string::npos) << folder.err;
}

#ifdef __linux__
// In a folder the user may not write, --force replaces the user's own writable copy in place,
// and still refuses a read-only one.
TEST_F(ConvertTest, ForceReplacesAWritableCopyInAReadOnlyFolderInPlace) {
  const auto bytes = RichTrack().Build();
  const auto track = dir_.Write("a.trk", bytes);
  fs::create_directory(dir_.Path() / "ro");
  const auto keep = dir_.Write("ro/keep_c.trk", std::vector<std::uint8_t>(40000, 7));
  const auto locked = dir_.Write("ro/locked_c.trk", {1, 2, 3});
  ASSERT_EQ(chown(keep.c_str(), testing::PermissionsBind::User(), static_cast<gid_t>(-1)), 0);
  fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  fs::permissions(dir_.Path() / "ro", fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  testing::TrkconvResult replaced, refused;
  {
    testing::PermissionsBind bind;
    if (!bind.Active()) GTEST_SKIP() << "root cannot check files as another user here";
    replaced = RunInProcess({"convert", "--force", "-o", keep, track});
    refused = RunInProcess({"convert", "--force", "-o", locked, track});
  }
  EXPECT_EQ(replaced.exit_code, 0) << replaced.err;
  EXPECT_EQ(ReadBytes(keep), WindowCopy(bytes));
  EXPECT_EQ(refused.exit_code, 1);
  EXPECT_NE(refused.err.find("Permission denied"), std::string::npos) << refused.err;
  EXPECT_EQ(ReadBytes(locked), (std::vector<std::uint8_t>{1, 2, 3}));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_.Path() / "ro"), {}), 2) << "a temporary file was left";
}
#endif

// The bar belongs to a terminal, and only to long batches.
TEST_F(ConvertTest, ProgressBarOnlyOnATerminalAndForMoreThanTwentyFiles) {
  const auto bytes = TrackBuilder().Build();
  std::vector<std::string> args = {"convert", "--force", "--out-dir", dir_.File("")};
  for (int i = 0; i < 21; ++i) args.push_back(reference_.Write(std::to_string(i) + ".trk", bytes));

  const auto long_batch = RunInProcess(args, true);
  EXPECT_EQ(long_batch.exit_code, 0);
  EXPECT_NE(long_batch.err.find("21/21"), std::string::npos);
  EXPECT_TRUE(long_batch.err.ends_with("\r")) << "the bar is cleared at the end";
  EXPECT_EQ(std::count(long_batch.out.begin(), long_batch.out.end(), '\n'), 21);

  EXPECT_EQ(RunInProcess(args, false).err, "");
  args.pop_back();
  EXPECT_EQ(RunInProcess(args, true).err, "");
}

}  // namespace
}  // namespace tarmaxion
