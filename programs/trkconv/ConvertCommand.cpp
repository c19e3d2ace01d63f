#include "programs/trkconv/ConvertCommand.h"

#include "track/Conversion.h"

namespace tarmaxion::cli {

std::string ConvertedPath(const BatchOptions& options, const std::string& track) {
  return OutputPath(options, ConvertedName(track));
}

int RunConvert(const BatchOptions& options, const Console& console) {
  BatchWork work;
  work.output_path = [&options](const std::string& track) { return ConvertedPath(options, track); };
  // The copy needs no map: the loaded bytes, remapped, in storage the worker's API reuses.
  work.make = [](BatchWorker& worker, const std::string&) -> MadeOutput { return worker.loader.Api().CopyAs105(); };
  work.made = "copies made";
  work.not_done = "tracks not converted";
  work.output_kind = "a track copy";
  return RunBatch(options, work, console);
}

}  // namespace tarmaxion::cli
