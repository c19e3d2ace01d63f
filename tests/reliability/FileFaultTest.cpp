// File faults through the whole program: tracks that cannot be read and saves that cannot be
// written. In every case the log says what happened, the loaded track stays as it was, and every
// file of the user's folder keeps its bytes, with no temporary file left behind.
// The permission cases check file access as an unprivileged user (PermissionsBind).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#ifdef __linux__
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include "tests/support/PermissionsBind.h"
#endif

#include "tests/support/WindowRun.h"
#include "tests/support/TempDir.h"
#include "tools/builders/TrackBuilder.h"

namespace tarmaxion {
namespace {

#ifdef __linux__
namespace fs = std::filesystem;
using testing::PermissionsBind;
using testing::WindowRun;

using testing::ReadBytes;
using testing::TempDir;
using testing::TrackBuilder;

Text Decimal(std::uintmax_t count) { return DecimalText(static_cast<std::int64_t>(count)); }
using Bytes = std::vector<std::uint8_t>;

// Every file below a folder with its bytes; folders map to nothing.
using FolderContents = std::map<std::string, std::optional<Bytes>>;

FolderContents Contents(const fs::path& folder) {
  FolderContents contents;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    const auto name = entry.path().lexically_relative(folder).string();
    if (entry.is_symlink() || !entry.is_regular_file()) {
      contents[name] = std::nullopt;
    } else {
      contents[name] = ReadBytes(entry.path().string());
    }
  }
  return contents;
}

Bytes Track() { return TrackBuilder().Record(1, "Bob", 4567).Object(25, 100, 100).Build(); }

// What has to hold around the faulty operation.
enum class Condition {
  kNone,
  kPermissionsBind,  // file access is checked as an unprivileged user, even for root
  kFileSizeLimit,    // writes beyond 4 KB fail as on a full disk
};

// Limits the size of any file the process writes, as a full disk would; the signal that the
// limit raises is ignored, so the write fails with an error instead.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    handler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, handler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*handler_)(int) = SIG_DFL;
};

constexpr const char* kCannotBind = "running as root without the right to check files as another user, so skipped:";

// Runs action under the condition; false when the condition cannot be made on this machine.
bool RunUnder(Condition condition, const std::function<void()>& action) {
  switch (condition) {
    case Condition::kNone:
      action();
      return true;
    case Condition::kPermissionsBind: {
      PermissionsBind bind;
      if (!bind.Active()) return false;
      action();
      return true;
    }
    case Condition::kFileSizeLimit: {
      FileSizeLimit limit(4096);
      action();
      return true;
    }
  }
  return false;
}

void MakeReadOnlyFolder(const fs::path& folder) {
  fs::create_directory(folder);
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                              fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
}

// One faulty file: its set-up, which gives the path to load or save to, and the log line.
struct Fault {
  std::string name;
  std::function<std::string(const TempDir&)> path;
  Text message;
  Condition condition = Condition::kNone;
};

std::vector<Fault> LoadFaults() {
  return {
      {"missing file", [](const TempDir& dir) { return dir.File("gone.trk"); },
       "Cannot open gone.trk: No such file or directory"},
      {"a folder",
       [](const TempDir& dir) {
         fs::create_directory(dir.Path() / "folder.trk");
         return dir.File("folder.trk");
       },
       "Cannot open folder.trk: it is a folder"},
      {"a device that never ends", [](const TempDir&) { return std::string("/dev/zero"); },
       "Cannot open zero: it is not a regular file"},
      {"a pipe nobody writes to",
       [](const TempDir& dir) {
         mkfifo(dir.File("pipe.trk").c_str(), 0644);
         return dir.File("pipe.trk");
       },
       "Cannot open pipe.trk: it is not a regular file"},
      {"a link to itself",
       [](const TempDir& dir) {
         fs::create_symlink("loop.trk", dir.Path() / "loop.trk");
         return dir.File("loop.trk");
       },
       "Cannot open loop.trk: Too many levels of symbolic links"},
      {"a file without read permission",
       [](const TempDir& dir) {
         const auto path = dir.Write("locked.trk", Track());
         fs::permissions(path, fs::perms::none);
         return path;
       },
       "Cannot open locked.trk: Permission denied", Condition::kPermissionsBind},
  };
}

// What a fault must leave as it was: the loaded track, its listing and the user's folder.
struct Kept {
  Bytes buffer;
  std::vector<Text> lines;
  FolderContents files;
};

using FaultCheck = std::function<void(const Fault&, WindowRun&, const Kept&)>;

// For each fault: loads a good track, sets the fault up and runs command on its path under its
// condition; checks that every file of the folder kept its bytes, with none added, and hands
// the rest to check. Returns the names of the faults whose condition cannot be made here.
std::string RunFaults(const std::vector<Fault>& faults, void (WindowRun::*command)(const std::string&),
                      const FaultCheck& check) {
  std::string skipped;
  for (const auto& fault : faults) {
    SCOPED_TRACE(fault.name);
    TempDir dir;
    WindowRun run;
    run.Load(dir.Write("good.trk", Track()));
    const auto path = fault.path(dir);
    const Kept kept{run.LoadedBytes(), run.Lines(), Contents(dir.Path())};

    if (!RunUnder(fault.condition, [&] { (run.*command)(path); })) {
      skipped += " " + fault.name + ";";
      continue;
    }
    EXPECT_EQ(Contents(dir.Path()), kept.files);
    check(fault, run, kept);
  }
  return skipped;
}

// The loaded track stays in the buffer, but is shown under no other file's name, and there is
// nothing to save until a track is loaded again.
TEST(FileFaultTest, TracksThatCannotBeReadAreReportedAndTheLoadedTrackKept) {
  const auto skipped = RunFaults(LoadFaults(), &WindowRun::Load,
                                 [](const Fault& fault, WindowRun& run, const Kept& kept) {
    EXPECT_EQ(run.LastLog(), fault.message) << run.Panel();
    EXPECT_EQ(run.LoadedBytes(), kept.buffer);
    EXPECT_TRUE(run.Lines().empty());
    run.Save("unused.trk");
    EXPECT_EQ(run.LastLog(), "Nothing to save: load a track first");
  });
  if (!skipped.empty()) GTEST_SKIP() << kCannotBind << skipped;
}

// A file that reports more bytes than it gives, as one cut short while it is read: the
// attributes of the kernel's sysfs report a size of a page and give only their text.
TEST(FileFaultTest, FileThatEndsBeforeItsSizeIsReportedAndOnlyItsBytesUsed) {
  const std::string path = "/sys/kernel/mm/transparent_hugepage/enabled";
  std::error_code error;
  const auto reported = fs::file_size(path, error);
  std::ifstream in(path, std::ios::binary);
  const Bytes text((std::istreambuf_iterator<char>(in)), {});
  if (error || !fs::is_regular_file(path) || text.size() >= reported) {
    GTEST_SKIP() << path << " is missing or gives as many bytes as it reports";
  }
  TempDir dir;
  WindowRun run;
  run.Load(dir.Write("good.trk", Track()));
  run.Load(path);
  EXPECT_NE(run.Panel().find("Read error: enabled ended after " + Decimal(text.size()) + " of " +
                                Decimal(reported) + " bytes"),
            Text::npos)
      << run.Panel();
  EXPECT_EQ(run.Model().LoadedSize(), text.size());
  EXPECT_EQ(run.Lines(), (std::vector<Text>{"enabled   " + Decimal(text.size()) + " Bytes"}));
  EXPECT_EQ(run.LastLog(), "Caution: Version <> 1.05");
}

std::vector<Fault> SaveFaults() {
  const Bytes earlier_save = {1, 2, 3, 4, 5};
  return {
      {"into a missing folder", [](const TempDir& dir) { return dir.File("no/such/out.trk"); },
       "Not saved: out.trk: No such file or directory"},
      {"onto a folder",
       [](const TempDir& dir) {
         fs::create_directory(dir.Path() / "sub");
         return dir.File("sub");
       },
       "Not saved: sub: it is a folder"},
      {"onto a full device", [](const TempDir&) { return std::string("/dev/full"); },
       "Not saved: full: No space left on device"},
      {"onto a full disk, replacing a file",
       [=](const TempDir& dir) { return dir.Write("out.trk", earlier_save); },
       "Not saved: out.trk: File too large", Condition::kFileSizeLimit},
      {"into a read-only folder",
       [](const TempDir& dir) {
         MakeReadOnlyFolder(dir.Path() / "ro");
         return dir.File("ro/out.trk");
       },
       "Not saved: out.trk: Permission denied", Condition::kPermissionsBind},
      {"replacing a read-only file in a read-only folder",
       [=](const TempDir& dir) {
         fs::create_directory(dir.Path() / "ro");
         testing::WriteBytes(dir.File("ro/out.trk"), earlier_save);
         fs::permissions(dir.File("ro/out.trk"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
         MakeReadOnlyFolder(dir.Path() / "ro");
         return dir.File("ro/out.trk");
       },
       "Not saved: out.trk: Permission denied", Condition::kPermissionsBind},
      // Renaming over it would get round the permission that a write in place honours; its mode
      // alone decides, so root is refused too.
      {"replacing a read-only file in a folder open to all",
       [=](const TempDir& dir) {
         fs::create_directory(dir.Path() / "shared");
         fs::permissions(dir.Path() / "shared", fs::perms::all);
         const auto path = dir.File("shared/out.trk");
         testing::WriteBytes(path, earlier_save);
         fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
         return path;
       },
       "Not saved: out.trk: Permission denied"},
  };
}

TEST(FileFaultTest, FailedSavesSayWhyAndLeaveEveryFileAsItWas) {
  const auto skipped = RunFaults(SaveFaults(), &WindowRun::Save,
                                 [](const Fault& fault, const WindowRun& run, const Kept&) {
    EXPECT_EQ(run.LastLog(), fault.message);
  });
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
  if (!skipped.empty()) GTEST_SKIP() << kCannotBind << skipped;
}

TEST(FileFaultTest, SavingOntoTheLoadedFileReplacesItWhole) {
  TempDir dir;
  WindowRun run;
  const Bytes track = Track();
  const auto path = dir.Write("a.trk", track);
  run.Load(path);
  run.Save(path);
  EXPECT_EQ(run.LastLog(), "saved");

  Bytes expected = track;
  expected[0] = 5;
  expected[TrackBuilder().ObjectTypeOffset(0)] = 10;  // type 25 drawn as 10
  EXPECT_EQ(ReadBytes(path), expected);
  EXPECT_EQ(Contents(dir.Path()).size(), 1u) << "a temporary file was left behind";
  run.Load(path);
  EXPECT_EQ(run.Lines().at(1), "Tarmaxion 1.05");
}

// A folder the user may not write, holding a file the user may: no temporary file can be
// made beside it, so the save writes the file in place.
TEST(FileFaultTest, SavingOntoAWritableFileInAReadOnlyFolderWritesItInPlace) {
  TempDir dir;
  WindowRun run;
  run.Load(dir.Write("a.trk", Track()));
  const auto folder = dir.Path() / "ro";
  fs::create_directory(folder);
  const auto path = dir.File("ro/keep.trk");
  testing::WriteBytes(path, Bytes(40000, 7));  // longer than the copy, so it must be cut
  ASSERT_EQ(chown(path.c_str(), PermissionsBind::User(), static_cast<gid_t>(-1)), 0);
  MakeReadOnlyFolder(folder);
  {
    PermissionsBind bind;
    if (!bind.Active()) GTEST_SKIP() << kCannotBind;
    run.Save(path);
  }
  EXPECT_EQ(run.LastLog(), "saved");
  run.Load(path);
  EXPECT_EQ(run.Lines().at(1), "Tarmaxion 1.05");
  EXPECT_EQ(ReadBytes(path).size(), Track().size());
  EXPECT_EQ(Contents(folder).size(), 1u) << "a temporary file was left behind";
}

TEST(FileFaultTest, SavingThroughALinkReplacesTheFileItPointsAt) {
  TempDir dir;
  WindowRun run;
  const auto real = dir.Write("real.trk", {9, 9});
  fs::create_symlink("real.trk", dir.Path() / "link.trk");
  run.Load(dir.Write("a.trk", Track()));
  run.Save(dir.File("link.trk"));
  EXPECT_EQ(run.LastLog(), "saved");
  EXPECT_TRUE(fs::is_symlink(dir.Path() / "link.trk"));
  EXPECT_EQ(ReadBytes(real).size(), Track().size());
}

#endif  // __linux__

}  // namespace
}  // namespace tarmaxion
