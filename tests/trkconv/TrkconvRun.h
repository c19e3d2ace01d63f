// Runs trkconv in this process, on string streams, or as the built program.
#pragma once

#include <string>
#include <vector>

namespace tarmaxion::testing {

struct TrkconvResult {
  int exit_code = -1;
  std::string out;
  std::string err;
};

// standard_input is what the program reads for a track named "-".
TrkconvResult RunInProcess(const std::vector<std::string>& args, bool err_is_terminal = false,
                           const std::string& standard_input = "");

// Runs the trkconv executable with its streams redirected into files of scratch_dir.
TrkconvResult RunProgram(const std::vector<std::string>& args, const std::string& scratch_dir);

}  // namespace tarmaxion::testing
