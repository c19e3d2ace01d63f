// Batches as separate trkconv processes: two batches writing into one folder at the same time,
// and a batch stopped by a signal while it runs.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "api/TrackApi.h"
#include "tests/support/TempDir.h"
#include "tools/builders/TrackBuilder.h"

namespace tarmaxion {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempDir;
using testing::TrackBuilder;
using Bytes = std::vector<std::uint8_t>;

// A started trkconv with its streams in files.
class Trkconv {
 public:
  Trkconv(const std::vector<std::string>& args, const fs::path& streams) : out_(streams.string() + ".out") {
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, out_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&files, 2, (streams.string() + ".err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<std::string> command = {TRKCONV_PATH};
    command.insert(command.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& arg : command) argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn(&pid_, TRKCONV_PATH, &files, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&files);
    err_ = streams.string() + ".err";
  }

  void WaitForFirstCopy() const {
    while (fs::file_size(out_) == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  void Signal(int number) const { kill(pid_, number); }
  // The exit code, or -1 when the program did not exit by itself.
  int Wait() const {
    int status = 0;
    waitpid(pid_, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::vector<std::string> OutLines() const { return Lines(out_); }
  std::vector<std::string> ErrLines() const { return Lines(err_); }

 private:
  static std::vector<std::string> Lines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

  std::string out_;
  std::string err_;
  pid_t pid_ = -1;
};

// count tracks named t0000.trk... in folder, each carrying driver in its best record; the
// version-1.05 copy of each by name.
std::map<std::string, Bytes> WriteBatch(const fs::path& folder, int count, const std::string& driver) {
  fs::create_directories(folder);
  const auto track = TrackBuilder().Record(1, driver, 4567).Object(25, 100, 100).Build();
  TrackApi api;
  api.Open(track, "t.trk");
  const auto copy = api.CopyAs105();
  std::map<std::string, Bytes> copies;
  for (int i = 0; i < count; ++i) {
    std::ostringstream name;
    name << 't' << std::setw(4) << std::setfill('0') << i;
    testing::WriteBytes((folder / (name.str() + ".trk")).string(), track);
    copies[name.str() + "_c.trk"] = Bytes(copy.begin(), copy.end());
  }
  return copies;
}

std::vector<std::string> TracksOf(const fs::path& folder) {
  std::vector<std::string> tracks;
  for (const auto& entry : fs::directory_iterator(folder)) tracks.push_back(entry.path().string());
  std::sort(tracks.begin(), tracks.end());
  return tracks;
}

// The copy's file name of each "<track> -> <copy>" line.
std::vector<std::string> Written(const Trkconv& run) {
  std::vector<std::string> names;
  for (const auto& line : run.OutLines()) names.push_back(fs::path(line.substr(line.find(" -> ") + 4)).filename());
  return names;
}

std::vector<std::string> Args(std::vector<std::string> args, const std::vector<std::string>& tracks) {
  args.insert(args.end(), tracks.begin(), tracks.end());
  return args;
}

TEST(BatchProcessTest, TwoBatchesIntoOneFolderEachWriteACopyWholeOrLeaveIt) {
  constexpr int kTracks = 1500;
  TempDir dir;
  const auto out = dir.Path() / "out";
  fs::create_directory(out);
  const std::vector<std::map<std::string, Bytes>> copies = {WriteBatch(dir.Path() / "a", kTracks, "Ann"),
                                                            WriteBatch(dir.Path() / "b", kTracks, "Bob")};
  const Trkconv a(Args({"convert", "--out-dir", out.string()}, TracksOf(dir.Path() / "a")), dir.Path() / "a");
  const Trkconv b(Args({"convert", "--out-dir", out.string()}, TracksOf(dir.Path() / "b")), dir.Path() / "b");
  a.Wait();
  b.Wait();

  std::map<std::string, int> writer;  // copy name -> which batch reported it written
  int reported_twice = 0;
  for (int batch = 0; batch < 2; ++batch) {
    for (const auto& name : Written(batch == 0 ? a : b)) {
      if (writer.count(name) != 0) ++reported_twice;
      writer[name] = batch;
    }
  }
  EXPECT_EQ(reported_twice, 0) << "copies written by both batches";
  EXPECT_EQ(a.ErrLines().size() + b.ErrLines().size(), static_cast<std::size_t>(kTracks) - reported_twice);
  ASSERT_EQ(writer.size(), static_cast<std::size_t>(kTracks));
  int wrong_bytes = 0;
  for (const auto& [name, batch] : writer) wrong_bytes += ReadBytes((out / name).string()) != copies[batch].at(name);
  EXPECT_EQ(wrong_bytes, 0);
  EXPECT_EQ(std::distance(fs::directory_iterator(out), {}), kTracks) << "a temporary file was left";
}

TEST(BatchProcessTest, StoppedBatchFinishesTheCopyInHandSaysHowFarItGotAndLeavesNoTemporaryFile) {
  constexpr int kTracks = 3000;
  TempDir dir;
  const auto copies = WriteBatch(dir.Path() / "in", kTracks, "Ann");
  const auto tracks = TracksOf(dir.Path() / "in");
  // One thread, and two, in turns.
  for (const int delay_ms : {20, 35, 50, 65, 80}) {
    const std::string jobs = delay_ms % 2 == 0 ? "1" : "2";
    SCOPED_TRACE(std::to_string(delay_ms) + " ms, -j " + jobs);
    const auto out = dir.Path() / ("out" + std::to_string(delay_ms));
    fs::create_directory(out);
    const Trkconv run(Args({"convert", "-j", jobs, "--out-dir", out.string()}, tracks), out);
    run.WaitForFirstCopy();
    std::this_thread::sleep_for(std::chrono::milliseconds(delay_ms));
    run.Signal(SIGTERM);
    EXPECT_EQ(run.Wait(), 128 + SIGTERM);

    const auto written = Written(run);
    ASSERT_LT(written.size(), tracks.size()) << "the batch ended before the signal";
    ASSERT_EQ(run.ErrLines().size(), 1u);
    EXPECT_EQ(run.ErrLines()[0], "trkconv: stopped by SIGTERM before " + tracks[written.size()] +
                                     "; copies made: " + std::to_string(written.size()) +
                                     ", tracks not converted: " + std::to_string(tracks.size() - written.size()));
    std::size_t files = 0;
    for (const auto& entry : fs::directory_iterator(out)) {
      ++files;
      EXPECT_EQ(ReadBytes(entry.path().string()), copies.at(entry.path().filename())) << entry.path();
    }
    EXPECT_EQ(files, written.size()) << "a temporary or unreported file was left";
  }
}

}  // namespace
}  // namespace tarmaxion
