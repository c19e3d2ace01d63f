#include "window/StatusLog.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/WindowRun.h"

namespace tarmaxion {
namespace {

Text Panel(const StatusLog& log) { return log.Panel("\r\n").Windows1252(); }

TEST(StatusLogTest, StartsWithFiveEmptyPromptsAboveReady) {
  testing::WindowRun run;
  run.Start();
  EXPECT_EQ(run.Panel(), "> \r\n> \r\n> \r\n> \r\n> \r\nready...\r\n");
}

TEST(StatusLogTest, KeepsTheSixNewestLinesOldestFirstAndAnEmptyOneAsABareBreak) {
  StatusLog log;
  for (const char* message : {"ready...", "a", "a", "b", "c"}) log.Log(message);
  EXPECT_EQ(Panel(log), "> \r\nready...\r\na\r\na\r\nb\r\nc\r\n");
  log.Log("");
  EXPECT_EQ(Panel(log), "ready...\r\na\r\na\r\nb\r\nc\r\n\r\n");
}

TEST(StatusLogTest, MessagesAreCutAtOneHundredCharactersWhateverTheirEncoding) {
  StatusLog log;
  log.Log(Text(100, 'x'));
  EXPECT_EQ(log.Lines().back().Windows1252(), Text(100, 'x'));
  log.Log(Text(101, 'y'));
  EXPECT_EQ(log.Lines().back().Windows1252(), Text(100, 'y'));
  // A name in UTF-8 counts its characters, not its bytes, and is never cut inside one.
  std::string cyrillic;
  for (int i = 0; i < 60; ++i) cyrillic += "\xD0\xB6";
  log.Log("Cannot open " + ShownText::FromUtf8(cyrillic) + ": " + ShownText::FromUtf8(cyrillic));
  const auto& last = log.Lines().back();
  EXPECT_EQ(last.Length(), 100u);
  EXPECT_EQ(last.Utf8(), "Cannot open " + cyrillic + ": " + cyrillic.substr(0, 2 * (100 - 12 - 60 - 2)));
}

}  // namespace
}  // namespace tarmaxion
