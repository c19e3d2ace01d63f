#include "platform/DialogPaths.h"

#include <gtest/gtest.h>

namespace tarmaxion {
namespace {

TEST(DialogPathsTest, SplitsAtTheLastSeparator) {
  const auto start = SplitDefaultPath("C:\\tracks\\oval_c.trk");
  EXPECT_EQ(start.folder, "C:\\tracks");
  EXPECT_EQ(start.file_name, "oval_c.trk");
  const auto folder_only = SplitDefaultPath("/home/me/tracks/");
  EXPECT_EQ(folder_only.folder, "/home/me/tracks");
  EXPECT_EQ(folder_only.file_name, "");
}

TEST(DialogPathsTest, WithoutSeparatorTheWholeTextIsTheFileName) {
  EXPECT_EQ(SplitDefaultPath("_c.trk").folder, "");
  EXPECT_EQ(SplitDefaultPath("_c.trk").file_name, "_c.trk");
  // A separator only at the first position leaves no folder and an invalid name.
  EXPECT_EQ(SplitDefaultPath("\\x.trk").folder, "");
  EXPECT_EQ(SplitDefaultPath("\\x.trk").file_name, "");
}

TEST(DialogPathsTest, DropsFileNamesWithForbiddenCharacters) {
  for (const char* bad : {"a\"b", "a*b", "a:b", "a<b", "a>b", "a?b", "a|b", "a\tb"}) {
    EXPECT_EQ(SplitDefaultPath(std::string("C:\\x\\") + bad).file_name, "") << bad;
  }
}

}  // namespace
}  // namespace tarmaxion
