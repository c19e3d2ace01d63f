// Batches on several threads print, write and refuse exactly what one thread does; tracks come
// from standard input and outputs go to standard output.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/TempDir.h"
#include "tests/trkconv/ImageDecoding.h"
#include "tests/trkconv/TrkconvRun.h"
#include "tests/trkconv/WindowReference.h"

namespace tarmaxion {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::RichTrack;
using testing::RunInProcess;
using testing::TempDir;

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

std::map<std::string, std::vector<std::uint8_t>> FilesIn(const fs::path& folder) {
  std::map<std::string, std::vector<std::uint8_t>> files;
  for (const auto& entry : fs::directory_iterator(folder)) {
    files[entry.path().filename().string()] = ReadBytes(entry.path().string());
  }
  return files;
}

// Good tracks of several sizes with damaged and missing ones among them, and two tracks of one
// name in two folders, next to each other, whose outputs meet: the later one must be refused
// as one thread refuses it.
TEST(BatchTest, SeveralThreadsPrintAndWriteWhatOneThreadDoes) {
  TempDir dir;
  fs::create_directories(dir.Path() / "one");
  fs::create_directories(dir.Path() / "two");
  std::vector<std::string> tracks;
  for (int i = 0; i < 40; ++i) {
    const auto name = std::to_string(i) + ".trk";
    if (i % 9 == 4) {
      tracks.push_back(dir.Write(name, RichTrack().RecordsOffset(100000).Build()));
    } else if (i % 13 == 6) {
      tracks.push_back(dir.File(name));
    } else {
      tracks.push_back(dir.Write(name, RichTrack().GhostData(static_cast<std::size_t>(i) * 997).Build()));
    }
  }
  tracks.insert(tracks.begin() + 3, {dir.Write("one/oval.trk", RichTrack().Author("One").Build()),
                                     dir.Write("two/oval.trk", RichTrack().Author("Two").Build())});

  for (const std::string command : {"convert", "preview"}) {
    SCOPED_TRACE(command);
    std::vector<testing::TrkconvResult> runs;
    for (const std::string jobs : {"1", "2"}) {
      const auto out = dir.Path() / (command + jobs);
      fs::create_directory(out);
      std::vector<std::string> args = {command, "-j", jobs, "--out-dir", out.string()};
      args.insert(args.end(), tracks.begin(), tracks.end());
      runs.push_back(RunInProcess(args));
      runs.back().out = Replaced(runs.back().out, out.string(), "OUT");
      runs.back().err = Replaced(runs.back().err, out.string(), "OUT");
    }
    EXPECT_EQ(runs[0].exit_code, 1);
    EXPECT_EQ(runs[1].exit_code, 1);
    EXPECT_EQ(runs[1].out, runs[0].out);
    EXPECT_EQ(runs[1].err, runs[0].err);
    EXPECT_NE(runs[0].err.find(tracks[4] + ": OUT"), std::string::npos) << runs[0].err;
    EXPECT_EQ(FilesIn(dir.Path() / (command + "2")), FilesIn(dir.Path() / (command + "1")));
  }
}

// Tracks that may meet on one file run in input order on any number of threads: a later track
// reads the copy an earlier one wrote, writes the copy an earlier one failed to make, and
// makes a file only after an earlier track found it missing.
TEST(BatchTest, TracksThatMeetOnOneFileRunInInputOrder) {
  TempDir dir;
  fs::create_directories(dir.Path() / "one");
  fs::create_directories(dir.Path() / "two");
  std::vector<std::string> args = {"convert", "-j", "2", "--out-dir", dir.File("")};
  std::string out;
  const auto copied = [&dir, &out](const std::string& track, const std::string& name) {
    out += track + " -> " + dir.File(name) + "\n";
  };
  for (int i = 0; i < 20; ++i) {
    const auto n = std::to_string(i);
    const auto damaged = dir.Write("one/oval" + n + ".trk", RichTrack().RecordsOffset(100000).Build());
    const auto oval = dir.Write("two/oval" + n + ".trk", RichTrack().Build());
    const auto a = dir.Write("a" + n + ".trk", RichTrack().Build());
    const auto b = dir.Write("b" + n + ".trk", RichTrack().Build());
    args.insert(args.end(), {damaged, oval, a, dir.File("a" + n + "_c.trk"), dir.File("b" + n + "_c.trk"), b});
    copied(oval, "oval" + n + "_c.trk");
    copied(a, "a" + n + "_c.trk");
    copied(dir.File("a" + n + "_c.trk"), "a" + n + "_c_c.trk");
    copied(b, "b" + n + "_c.trk");
  }
  const auto run = RunInProcess(args);
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(run.out, out);
  // Each damaged track and each missing copy, in order.
  EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 40) << run.err;
  EXPECT_TRUE(run.err.starts_with("trkconv: " + args[5] + ": Damaged track")) << run.err;
  EXPECT_NE(run.err.find("\ntrkconv: " + dir.File("b0_c.trk") + ": "), std::string::npos) << run.err;
}

TEST(BatchTest, TracksFromStandardInputOutputsToStandardOutput) {
  TempDir dir;
  const auto bytes = RichTrack().Build();
  const auto track = dir.Write("rich.trk", bytes);
  const std::string as_text(bytes.begin(), bytes.end());
  const auto copy = testing::RunWindow(track, dir.File("window_c.trk")).saved;

  const auto from_file = RunInProcess({"info", track});
  const auto from_input = RunInProcess({"info", "-"}, false, as_text);
  EXPECT_EQ(from_input.exit_code, 0) << from_input.err;
  EXPECT_TRUE(from_input.out.starts_with("-   " + std::to_string(bytes.size()) + " Bytes\n")) << from_input.out;
  EXPECT_EQ(from_input.out.substr(from_input.out.find('\n')), from_file.out.substr(from_file.out.find('\n')));

  EXPECT_EQ(RunInProcess({"convert", "-", "-o", dir.File("in_c.trk")}, false, as_text).exit_code, 0);
  EXPECT_EQ(ReadBytes(dir.File("in_c.trk")), copy);
  const auto to_output = RunInProcess({"convert", "-o", "-", track});
  EXPECT_EQ(to_output.exit_code, 0) << to_output.err;
  EXPECT_EQ(std::vector<std::uint8_t>(to_output.out.begin(), to_output.out.end()), copy);
  const auto image = RunInProcess({"preview", "-o", "-", "-"}, false, as_text);
  const auto decoded = testing::DecodePng({image.out.begin(), image.out.end()});
  ASSERT_TRUE(decoded) << image.err;
  EXPECT_EQ(decoded->Height(), 560);

  // Too many bytes for a track are refused, not cut.
  const auto huge = RunInProcess({"info", "-"}, false, std::string(1'000'001, '\0'));
  EXPECT_EQ(huge.exit_code, 1);
  EXPECT_NE(huge.err.find("Track too large"), std::string::npos) << huge.err;
}

}  // namespace
}  // namespace tarmaxion
