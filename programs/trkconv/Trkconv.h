// The trkconv command line: parses the arguments and runs one command.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "gfx/Glyphs.h"

namespace tarmaxion::cli {

inline constexpr int kExitSuccess = 0;  // every file succeeded (or help, version)
inline constexpr int kExitFailure = 1;  // at least one file failed; each is reported on err
inline constexpr int kExitUsage = 2;    // the command line itself is wrong

struct Console {
  std::ostream& out;
  std::ostream& err;
  bool err_is_terminal = false;  // progress bars go to err only then
  // The window's glyphs for the map image's caption, asked for only when a caption is drawn;
  // without them (unset, or nullptr) the caption band shows no text.
  std::function<GlyphSource*()> caption_glyphs;
};

// args are the UTF-8 arguments after the program name.
int RunTrkconv(const std::vector<std::string>& args, const Console& console);

}  // namespace tarmaxion::cli
