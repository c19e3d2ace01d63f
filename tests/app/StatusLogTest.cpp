#include <gtest/gtest.h>

#include "tests/support/WindowRun.h"

namespace tarmaxion {
namespace {

class StatusLogTest : public testing::WindowTest {
 protected:
  void SetUp() override { Start(); }
  // Logs through the program's own channel: a rejected load logs its caution line.
  void LogCaution() { Load(""); }
};

TEST_F(StatusLogTest, StartsWithFiveEmptyPromptsAboveReady) {
  EXPECT_EQ(Panel(), "> \r\n> \r\n> \r\n> \r\n> \r\nready...\r\n");
}

TEST_F(StatusLogTest, KeepsTheSixNewestLinesOldestFirst) {
  for (int i = 0; i < 5; ++i) LogCaution();
  EXPECT_EQ(Panel(),
            "ready...\r\n"
            "Caution: Version <> 1.05\r\nCaution: Version <> 1.05\r\nCaution: Version <> 1.05\r\n"
            "Caution: Version <> 1.05\r\nCaution: Version <> 1.05\r\n");
  LogCaution();
  EXPECT_EQ(Panel().find("ready..."), Text::npos);
  EXPECT_EQ(Panel().find("> \r\n"), Text::npos);
}

TEST_F(StatusLogTest, MessagesAreCutAtOneHundredBytes) {
  // A missing file's name shows in its log line; a long name shows how the limit cuts.
  const std::string name(150, 'n');
  platform.QueueDialogAnswer("/no/such/folder/" + name);
  program.ReadTrack();
  const auto last = Panel().substr(Panel().rfind("\r\n", Panel().size() - 3) + 2);
  EXPECT_EQ(last.size(), 100u + 2u);
  EXPECT_EQ(last.substr(0, 12 + 5), "Cannot open " + name.substr(0, 5));
}

TEST_F(StatusLogTest, AMessageOfExactlyOneHundredBytesIsKeptWhole) {
  // The system's reason follows the name; a first try measures it, the second fills up to 100.
  platform.QueueDialogAnswer("/no/such/folder/n");
  program.ReadTrack();
  const auto reason_size = LastLog().size() - std::string("Cannot open n: ").size();
  const std::string name(100 - 14 - reason_size, 'n');
  platform.QueueDialogAnswer("/no/such/folder/" + name);
  program.ReadTrack();
  EXPECT_EQ(LastLog().size(), 100u);
  EXPECT_EQ(LastLog().substr(0, 14 + name.size()), "Cannot open " + name + ": ");
}

TEST_F(StatusLogTest, AnEmptyStatusLineIsLoggedAsABareLineBreak) {
  program.Report("");
  EXPECT_EQ(Panel(), "> \r\n> \r\n> \r\n> \r\nready...\r\n\r\n");
}

}  // namespace
}  // namespace tarmaxion
