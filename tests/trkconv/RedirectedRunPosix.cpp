// Through the shell, which sets up the redirections.
#include "tests/trkconv/RedirectedRun.h"

#include <sys/wait.h>

#include <cstdlib>

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

}  // namespace

int RunRedirected(const std::vector<std::string>& command, const std::string& out_file,
                  const std::string& err_file) {
  std::string line;
  for (const auto& arg : command) AppendQuoted(line, arg);
  line.append(" >");
  AppendQuoted(line, out_file);
  line.append(" 2>");
  AppendQuoted(line, err_file);
  const int status = std::system(line.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace tarmaxion::testing
