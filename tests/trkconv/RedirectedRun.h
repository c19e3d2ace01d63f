// Runs a program with its standard output and error streams written into files.
#pragma once

#include <string>
#include <vector>

namespace tarmaxion::testing {

// command: the program's path, then its arguments, all UTF-8. The program's exit code, or -1
// when it could not be run or did not exit by itself.
int RunRedirected(const std::vector<std::string>& command, const std::string& out_file,
                  const std::string& err_file);

}  // namespace tarmaxion::testing
