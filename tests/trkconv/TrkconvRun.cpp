#include "tests/trkconv/TrkconvRun.h"

#include <fstream>
#include <sstream>

#include "base/NativePath.h"
#include "programs/trkconv/Trkconv.h"
#include "tests/trkconv/RedirectedRun.h"

namespace tarmaxion::testing {
namespace {

// The text a stream wrote, with Windows' CR LF line ends read as the LF the tests expect.
std::string Contents(const std::string& path) {
  std::ifstream in(NativePath(path), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  auto contents = text.str();
  for (auto at = contents.find("\r\n"); at != std::string::npos; at = contents.find("\r\n", at)) {
    contents.erase(at, 1);
  }
  return contents;
}

}  // namespace

TrkconvResult RunInProcess(const std::vector<std::string>& args, bool err_is_terminal,
                           const std::string& standard_input) {
  std::istringstream in(standard_input);
  std::ostringstream out;
  std::ostringstream err;
  const int code = cli::RunTrkconv(args, {in, out, err, err_is_terminal, {}, {}, false, CodePage::k1252});
  return {code, out.str(), err.str()};
}

TrkconvResult RunProgram(const std::vector<std::string>& args, const std::string& scratch_dir) {
  const auto out_file = scratch_dir + "/stdout.txt";
  const auto err_file = scratch_dir + "/stderr.txt";
  std::vector<std::string> command = {TRKCONV_PATH};
  command.insert(command.end(), args.begin(), args.end());
  const int code = RunRedirected(command, out_file, err_file);
  return {code, Contents(out_file), Contents(err_file)};
}

}  // namespace tarmaxion::testing
