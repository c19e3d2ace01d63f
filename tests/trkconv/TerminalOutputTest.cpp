// trkconv with a real terminal (a pseudo-terminal) as its standard output: a track copy or an
// image is refused there before any track is read, as compressors refuse; text still goes.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "tests/support/TempDir.h"
#include "tests/trkconv/RedirectedRun.h"
#include "tests/trkconv/WindowReference.h"

namespace tarmaxion {
namespace {

using testing::RunRedirected;

std::string TextOf(const std::string& path) {
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// What reached the terminal so far.
std::string Screen(int terminal) {
  std::string shown;
  char bytes[4096];
  for (ssize_t got; (got = read(terminal, bytes, sizeof bytes)) > 0;) {
    shown.append(bytes, static_cast<std::size_t>(got));
  }
  return shown;
}

TEST(TerminalOutputTest, BinaryDataIsNotWrittenToATerminal) {
  testing::TempDir dir;
  const auto track = dir.Write("a.trk", testing::RichTrack().Build());
  const auto err = dir.File("err.txt");
  const int terminal = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
  ASSERT_GE(terminal, 0);
  ASSERT_EQ(grantpt(terminal), 0);
  ASSERT_EQ(unlockpt(terminal), 0);
  const std::string screen = ptsname(terminal);
  // Held open so that what the programs wrote stays readable after they end.
  const int held = open(screen.c_str(), O_RDWR | O_NOCTTY);

  for (const std::string command : {"convert", "preview"}) {
    EXPECT_EQ(RunRedirected({TRKCONV_PATH, command, "-o", "-", track}, screen, err), 2) << command;
    EXPECT_NE(TextOf(err).find("is binary data and is not written to a terminal"), std::string::npos) << TextOf(err);
  }
  EXPECT_EQ(Screen(terminal), "");
  EXPECT_EQ(RunRedirected({TRKCONV_PATH, "info", "--json", track}, screen, err), 0);
  EXPECT_TRUE(Screen(terminal).starts_with("{\"path\":")) << "text was refused";
  close(held);
  close(terminal);
}

}  // namespace
}  // namespace tarmaxion
