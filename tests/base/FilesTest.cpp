#include "base/Files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "base/NativePath.h"
#include "base/SystemCalls.h"
#include "tests/support/TempDir.h"

namespace tarmaxion {
namespace {

using testing::ReadBytes;
using testing::TempDir;

TEST(FilesTest, ReadsAWholeFileIntoTheStartOfTheBuffer) {
  TempDir dir;
  const auto path = dir.Write("t.trk", {1, 2, 3});
  std::vector<std::uint8_t> buffer(10, 9);
  const auto read = ReadWholeFile(path, buffer);
  ASSERT_TRUE(read);
  EXPECT_EQ(*read, 3u);
  EXPECT_EQ(buffer, (std::vector<std::uint8_t>{1, 2, 3, 9, 9, 9, 9, 9, 9, 9}));
}

TEST(FilesTest, RefusesFilesLargerThanTheBufferWithoutTouchingIt) {
  TempDir dir;
  const auto path = dir.Write("big.trk", std::vector<std::uint8_t>(11, 1));
  std::vector<std::uint8_t> buffer(10, 9);
  const auto read = ReadWholeFile(path, buffer);
  ASSERT_FALSE(read);
  EXPECT_EQ(read.Failure().kind, ReadProblem::kTooLarge);
  EXPECT_EQ(read.Failure().reported_size, 11u);
  EXPECT_EQ(buffer, std::vector<std::uint8_t>(10, 9));
}

TEST(FilesTest, MissingFilesFoldersAndEmptyPathsCannotBeOpened) {
  TempDir dir;
  std::vector<std::uint8_t> buffer(4, 9);
  for (const auto& path : {dir.File("none.trk"), dir.File(""), std::string()}) {
    const auto read = ReadWholeFile(path, buffer);
    ASSERT_FALSE(read) << path;
    EXPECT_EQ(read.Failure().kind, ReadProblem::kCannotOpen) << path;
    EXPECT_FALSE(read.Failure().message.empty());
  }
  EXPECT_EQ(buffer, std::vector<std::uint8_t>(4, 9));
}

#ifndef _WIN32
TEST(FilesTest, DevicesAreNotReadAsTracks) {
  std::vector<std::uint8_t> buffer(4, 9);
  const auto read = ReadWholeFile("/dev/zero", buffer);
  ASSERT_FALSE(read);
  EXPECT_EQ(read.Failure().message, "it is not a regular file");
}

TEST(FilesTest, WritingOntoAFullDeviceFailsWithItsReason) {
  const auto written = WriteFileReplacing("/dev/full", std::vector<std::uint8_t>(70000, 1));
  ASSERT_FALSE(written);
  EXPECT_FALSE(written.Failure().message.empty());
  EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));
}
#endif

TEST(FilesTest, ReadsAndWritesNamesOutsideAscii) {
  TempDir dir;
  const auto path = dir.File("Strecke-M\xC3\xBCller \xC3\xA9t\xC3\xA9.trk");
  ASSERT_TRUE(WriteFileReplacing(path, std::vector<std::uint8_t>{7, 8}).HasValue());
  std::vector<std::uint8_t> buffer(4);
  EXPECT_EQ(*ReadWholeFile(path, buffer), 2u);
}

TEST(FilesTest, ReplacingWriteLeavesOnlyTheTargetBehind) {
  TempDir dir;
  const auto path = dir.Write("out.trk", {1, 1, 1, 1, 1});
  ASSERT_TRUE(WriteFileReplacing(path, std::vector<std::uint8_t>{2, 3}).HasValue());
  EXPECT_EQ(ReadBytes(path), (std::vector<std::uint8_t>{2, 3}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

// A program that made the empty file for the output reads it back through its own handle.
TEST(FilesTest, AnEmptyTargetIsWrittenInPlaceForWhoeverHoldsItOpen) {
  TempDir dir;
  const auto path = dir.Write("reserved.png", {});
  std::ifstream held(NativePath(path), std::ios::binary);
  ASSERT_TRUE(WriteFileReplacing(path, std::vector<std::uint8_t>{4, 5}).HasValue());
  EXPECT_EQ(std::vector<char>(std::istreambuf_iterator<char>(held), {}), (std::vector<char>{4, 5}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(FilesTest, FailedWriteKeepsTheExistingFileAndSaysWhy) {
  TempDir dir;
  const auto into_folder = WriteFileReplacing(dir.File(""), std::vector<std::uint8_t>{1});
  EXPECT_FALSE(into_folder.HasValue());
  EXPECT_EQ(into_folder.Failure().kind, WriteProblem::kIsFolder);
  const auto missing_folder = WriteFileReplacing(dir.File("no/such/x.trk"), std::vector<std::uint8_t>{1});
  EXPECT_FALSE(missing_folder.HasValue());
}

// The step that makes "already exists" one decision, on every system the tests run on.
TEST(FilesTest, RenameNoReplaceMovesOntoAFreeNameAndRefusesATakenOne) {
  TempDir dir;
  const auto from = dir.Write("from.tmp", {1});
  const auto taken = dir.Write("taken.trk", {2});
  const auto refused = RenameNoReplace(NativePath(from), NativePath(taken));
  ASSERT_FALSE(refused);
  EXPECT_EQ(refused.Failure().kind, WriteProblem::kExists);
  EXPECT_EQ(ReadBytes(taken), std::vector<std::uint8_t>{2});
  EXPECT_TRUE(RenameNoReplace(NativePath(from), NativePath(dir.File("free.trk"))));
  EXPECT_EQ(ReadBytes(dir.File("free.trk")), std::vector<std::uint8_t>{1});
  EXPECT_FALSE(std::filesystem::exists(NativePath(from)));
}

}  // namespace
}  // namespace tarmaxion
