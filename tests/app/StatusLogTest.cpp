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

}  // namespace
}  // namespace tarmaxion
