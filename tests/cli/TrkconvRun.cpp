#include "tests/cli/TrkconvRun.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "cli/Trkconv.h"

namespace tarmaxion::testing {
namespace {

std::string Quoted(const std::string& arg) {
  std::string quoted = "'";
  for (const char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

std::string Contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

TrkconvResult RunInProcess(const std::vector<std::string>& args, bool err_is_terminal) {
  std::ostringstream out;
  std::ostringstream err;
  const int code = cli::RunTrkconv(args, {out, err, err_is_terminal});
  return {code, out.str(), err.str()};
}

TrkconvResult RunProgram(const std::vector<std::string>& args, const std::string& scratch_dir) {
  const auto out_file = scratch_dir + "/stdout.txt";
  const auto err_file = scratch_dir + "/stderr.txt";
  std::string command = Quoted(TRKCONV_PATH);
  for (const auto& arg : args) command += " " + Quoted(arg);
  command += " >" + Quoted(out_file) + " 2>" + Quoted(err_file);
  const int status = std::system(command.c_str());
  const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return {code, Contents(out_file), Contents(err_file)};
}

}  // namespace tarmaxion::testing
