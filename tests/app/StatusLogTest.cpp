#include <gtest/gtest.h>

#include "app/Program.h"
#include "ui/headless/HeadlessPlatform.h"

namespace tarmaxion {
namespace {

class StatusLogTest : public ::testing::Test {
 protected:
  void SetUp() override { program_.StartUp(); }

  const Text& Panel() const { return platform_.Control(kLogPanel).text; }
  // Logs through the program's own channel: a rejected load logs its caution line.
  void LogCaution() { program_.Dispatch({EventKind::kControl, kLoadButton}); }

  HeadlessPlatform platform_;
  Program program_{platform_};
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
  platform_.QueueDialogAnswer("/no/such/folder/" + name);
  program_.ReadTrack();
  const auto last = Panel().substr(Panel().rfind("\r\n", Panel().size() - 3) + 2);
  EXPECT_EQ(last.size(), 100u + 2u);
  EXPECT_EQ(last.substr(0, 12 + 5), "Cannot open " + name.substr(0, 5));
}

}  // namespace
}  // namespace tarmaxion
