#include "tests/cli/TrkconvRun.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "cli/Trkconv.h"

namespace tarmaxion::testing {
namespace {

// Single quotes for the shell; built with append, as GCC 12 misreads "x" + string at -O3.
void AppendQuoted(std::string& command, const std::string& arg) {
  command.append(" '");
  for (const char c : arg) {
    if (c == '\'') {
      command.append("'\\''");
    } else {
      command.push_back(c);
    }
  }
  command.push_back('\'');
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
  std::string command;
  AppendQuoted(command, TRKCONV_PATH);
  for (const auto& arg : args) AppendQuoted(command, arg);
  command.append(" >");
  AppendQuoted(command, out_file);
  command.append(" 2>");
  AppendQuoted(command, err_file);
  const int status = std::system(command.c_str());
  const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return {code, Contents(out_file), Contents(err_file)};
}

}  // namespace tarmaxion::testing
