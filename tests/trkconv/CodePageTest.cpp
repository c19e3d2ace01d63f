// Track texts in the code page of the user's locale, or of --codepage.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/support/TempDir.h"
#include "tests/trkconv/TrkconvRun.h"
#include "tools/builders/TrackBuilder.h"

namespace tarmaxion {
namespace {

using testing::RunInProcess;
using testing::TempDir;
using testing::TrackBuilder;

std::string RussianTrack(const TempDir& dir) {
  return dir.Write("monza.trk", TrackBuilder().Author("\xC2\xE0\xF1\xFF").Record(1, "\xCF\xE5\xF2\xFF", 4567).Build());
}

#ifndef _WIN32
// LANG as a session sets it, with nothing above it; German last, which reads as the C locale does.
TEST(CodePageTest, ARussianUsersTrkconvReadsTracksInCyrillic) {
  TempDir dir;
  const auto track = RussianTrack(dir);
  unsetenv("LC_ALL");
  unsetenv("LC_CTYPE");
  for (const auto& [locale, author] : {std::pair{"ru_RU.UTF-8", "Autor: Вася\n"}, {"de_DE.UTF-8", "Autor: Âàñÿ\n"}}) {
    setenv("LANG", locale, 1);
    const auto run = testing::RunProgram({"info", track}, dir.File(""));
    EXPECT_NE(run.out.find(author), std::string::npos) << locale << ": " << run.out;
  }
}
#endif

// What the chosen page makes of the texts is the reader's, tested with the library's Open.
TEST(CodePageTest, TheChosenPageOverridesTheUsers) {
  TempDir dir;
  const auto track = RussianTrack(dir);
  EXPECT_NE(RunInProcess({"info", "--codepage", "1251", track}).out.find("1.: Петя 4567\n"), std::string::npos);
  for (const auto* command : {"info", "preview"}) {
    const auto refused = RunInProcess({command, "--codepage", "1255", track});
    EXPECT_EQ(refused.exit_code, 2);
    EXPECT_NE(refused.err.find("code page 1255 is not supported"), std::string::npos) << refused.err;
  }
}

}  // namespace
}  // namespace tarmaxion
