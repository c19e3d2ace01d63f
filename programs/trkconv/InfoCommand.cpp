#include "programs/trkconv/InfoCommand.h"

#include "programs/trkconv/Failure.h"
#include "programs/trkconv/InfoJson.h"
#include "programs/trkconv/TrackLoader.h"

namespace tarmaxion::cli {
namespace {

void PrintLines(const TrackReport& report, std::ostream& out) {
  for (const auto& line : report.info_lines) out << line.Utf8() << '\n';
}

}  // namespace

bool RunInfo(const InfoOptions& options, const Console& console) {
  auto& out = console.out;
  TrackLoader loader(console.in);
  bool all_listed = true;
  bool first_block = true;  // blocks after the first start with a blank line
  for (const auto& path : options.tracks) {
    const auto loaded = loader.Load(path);
    if (options.format == InfoFormat::kJson) {
      out << TrackJson(path, loaded).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    } else if (loaded) {
      // A file that cannot be read has no lines of its own.
      if (!first_block) out << '\n';
      PrintLines(**loaded, out);
      first_block = false;
    }
    if (!loaded || (*loaded)->outcome != TrackOutcome::kRead) {
      all_listed = false;
      out.flush();
      ReportFailure(console.err, path, loaded ? (*loaded)->message.Utf8() : loaded.Failure().message);
    }
  }
  return all_listed;
}

}  // namespace tarmaxion::cli
