// Track texts in the code page of the user's locale, or of --codepage.
#include <gtest/gtest.h>

#include <cstdlib>
#include <nlohmann/json.hpp>

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
// The locale variables as a user's session sets them, for the programs this test starts.
class SessionLocale {
 public:
  explicit SessionLocale(const char* lang) {
    for (const char* variable : kVariables) {
      const char* value = std::getenv(variable);
      saved_.emplace_back(variable, value != nullptr ? std::optional<std::string>(value) : std::nullopt);
      unsetenv(variable);
    }
    setenv("LANG", lang, 1);
  }
  ~SessionLocale() {
    for (const auto& [variable, value] : saved_) {
      if (value) setenv(variable, value->c_str(), 1);
      else unsetenv(variable);
    }
  }
  SessionLocale(const SessionLocale&) = delete;
  SessionLocale& operator=(const SessionLocale&) = delete;

 private:
  static constexpr const char* kVariables[] = {"LC_ALL", "LC_CTYPE", "LANG"};
  std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

TEST(CodePageTest, ARussianUsersTrkconvReadsTracksInCyrillic) {
  TempDir dir;
  const auto track = RussianTrack(dir);
  const auto russian = [&] {
    const SessionLocale locale("ru_RU.UTF-8");
    return testing::RunProgram({"info", track}, dir.File(""));
  }();
  EXPECT_NE(russian.out.find("Autor: Вася\n"), std::string::npos) << russian.out;
  const auto german = [&] {
    const SessionLocale locale("de_DE.UTF-8");
    return testing::RunProgram({"info", track}, dir.File(""));
  }();
  EXPECT_NE(german.out.find("Autor: Âàñÿ\n"), std::string::npos) << german.out;
}
#endif

TEST(CodePageTest, TheChosenPageOverridesTheUsersAndJsonNamesIt) {
  TempDir dir;
  const auto track = RussianTrack(dir);
  EXPECT_NE(RunInProcess({"info", "--codepage", "1251", track}).out.find("1.: Петя 4567\n"), std::string::npos);
  EXPECT_EQ(nlohmann::json::parse(RunInProcess({"info", "--json", "--codepage", "1251", track}).out).at("author"), "Вася");

  EXPECT_EQ(RunInProcess({"preview", "--codepage", "1251", "--out-dir", dir.File(""), track}).exit_code, 0);
  for (const auto* command : {"info", "preview"}) {
    const auto refused = RunInProcess({command, "--codepage", "1255", track});
    EXPECT_EQ(refused.exit_code, 2);
    EXPECT_NE(refused.err.find("code page 1255 is not supported (supported: 1250, 1251, 1252, 1253, 1254, 1257)"),
              std::string::npos)
        << refused.err;
  }
}

}  // namespace
}  // namespace tarmaxion
