#include "cli/InfoCommand.h"

#include "cli/Failure.h"
#include "cli/HeadlessWindow.h"
#include "cli/InfoJson.h"
#include "ui/Encoding.h"

namespace tarmaxion::cli {
namespace {

void PrintLines(const LoadedTrack& loaded, bool first, std::ostream& out) {
  if (!first) out << '\n';
  for (const auto& line : loaded.lines) out << Utf8FromWindows1252(line) << '\n';
}

}  // namespace

bool RunInfo(const InfoOptions& options, std::ostream& out, std::ostream& err) {
  bool all_listed = true;
  bool first_block = true;
  for (const auto& path : options.tracks) {
    HeadlessWindow window;
    const auto loaded = window.Load(path);
    if (options.format == InfoFormat::kJson) {
      out << TrackJson(path, loaded, window.Info())
                 .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace)
          << '\n';
    } else if (loaded.outcome != LoadOutcome::kUnreadable) {
      // An unreadable file has no lines of its own: the window would list its old buffer.
      PrintLines(loaded, first_block, out);
      first_block = false;
    }
    if (loaded.outcome != LoadOutcome::kListed) {
      all_listed = false;
      out.flush();
      ReportFailure(err, path, Utf8FromWindows1252(loaded.problem));
    }
  }
  return all_listed;
}

}  // namespace tarmaxion::cli
