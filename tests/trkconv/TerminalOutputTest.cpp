// trkconv with a real terminal (a pseudo-terminal) as its standard output: a track copy or an
// image is refused there before any track is read, as compressors refuse; text still goes.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include "tests/support/TempDir.h"
#include "tests/trkconv/RedirectedRun.h"
#include "tests/trkconv/WindowReference.h"

namespace tarmaxion {
namespace {

using testing::RunRedirected;

TEST(TerminalOutputTest, BinaryDataIsNotWrittenToATerminal) {
  testing::TempDir dir;
  const auto track = dir.Write("a.trk", testing::RichTrack().Build());
  const auto err = dir.File("err.txt");
  const int terminal = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
  ASSERT_GE(terminal, 0);
  ASSERT_TRUE(grantpt(terminal) == 0 && unlockpt(terminal) == 0);
  const std::string screen = ptsname(terminal);
  // Held open so that what the programs wrote stays readable after they end.
  const int held = open(screen.c_str(), O_RDWR | O_NOCTTY);

  for (const std::string command : {"convert", "preview"}) {
    EXPECT_EQ(RunRedirected({TRKCONV_PATH, command, "-o", "-", track}, screen, err), 2) << command;
    const auto said = testing::ReadBytes(err);
    EXPECT_NE(std::string(said.begin(), said.end()).find("is not written to a terminal"), std::string::npos);
  }
  char shown[4096];
  EXPECT_EQ(read(terminal, shown, sizeof shown), -1) << "bytes reached the terminal";
  EXPECT_EQ(RunRedirected({TRKCONV_PATH, "info", "--json", track}, screen, err), 0);
  EXPECT_GT(read(terminal, shown, sizeof shown), 0) << "text was refused";
  close(held);
  close(terminal);
}

}  // namespace
}  // namespace tarmaxion
