// The trkconv command line: parses the arguments and runs one command.
#pragma once

#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "base/CodePage.h"

namespace tarmaxion::cli {

inline constexpr int kExitSuccess = 0;  // every file succeeded (or help, version)
inline constexpr int kExitFailure = 1;  // at least one file failed; each is reported on err
inline constexpr int kExitUsage = 2;    // the command line itself is wrong

struct Console {
  std::istream& in;  // a track named "-"
  std::ostream& out;
  std::ostream& err;
  bool err_is_terminal = false;  // progress bars go to err only then
  // Called before image or track bytes go to out, where text and binary data differ (Windows).
  std::function<void()> binary_out;
  // Called before maps are drawn, which take more fresh memory than anything else trkconv does.
  std::function<void()> images_ahead;
  bool out_is_terminal = false;  // binary data is never written to out then
  // The page of the user's system, which track texts are read in unless --codepage names one.
  CodePage code_page = CodePage::k1252;
};

// args are the UTF-8 arguments after the program name.
int RunTrkconv(const std::vector<std::string>& args, const Console& console);

}  // namespace tarmaxion::cli
