// Runs trkconv in this process, on string streams, or as the built program.
#pragma once

#include <string>
#include <vector>

#include "gfx/Glyphs.h"

namespace tarmaxion::testing {

struct TrkconvResult {
  int exit_code = -1;
  std::string out;
  std::string err;
};

// caption_glyphs stands for the window's glyphs that the program offers the preview's caption.
TrkconvResult RunInProcess(const std::vector<std::string>& args, bool err_is_terminal = false,
                           GlyphSource* caption_glyphs = nullptr);

// Runs the trkconv executable with its streams redirected into files of scratch_dir.
TrkconvResult RunProgram(const std::vector<std::string>& args, const std::string& scratch_dir);

}  // namespace tarmaxion::testing
