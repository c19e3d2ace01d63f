#include "programs/trkconv/InfoCommand.h"

#include "api/InfoJson.h"
#include "base/Encoding.h"
#include "base/PathParts.h"
#include "programs/trkconv/Failure.h"
#include "programs/trkconv/TrackLoader.h"

namespace tarmaxion::cli {
namespace {

// The API's object after the path as given. JSON text cannot hold bytes that are not UTF-8:
// "path" and "file" show them as U+FFFD, and path_bytes keeps the exact name, so a script can
// find the file again.
nlohmann::ordered_json TrackJson(const std::string& path, const Result<const TrackReport*, Failure>& loaded) {
  nlohmann::ordered_json json;
  json["path"] = path;
  if (!IsUtf8(path)) json["path_bytes"] = Base64(path);
  if (!loaded) {
    json["file"] = FilePart(path);
    json["error"] = loaded.Failure().message;
    return json;
  }
  json.update(InfoJson(**loaded, FilePart(path)));
  return json;
}

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
    const auto loaded = loader.Load(path, options.code_page);
    if (options.format == InfoFormat::kJson) {
      out << JsonLine(TrackJson(path, loaded)) << '\n';
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
