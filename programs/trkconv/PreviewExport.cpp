#include "programs/trkconv/PreviewExport.h"

#include "base/Files.h"
#include "base/NativePath.h"
#include "programs/trkconv/Failure.h"
#include "programs/trkconv/ImageFiles.h"
#include "programs/trkconv/TrackLoader.h"

namespace tarmaxion::cli {
namespace {

FileOutcome ExportPreview(const PreviewOptions& options, const std::string& output) {
  const OutputGuard guard({options.track}, options.replace);
  if (auto allowed = guard.MayWrite(output); !allowed) return allowed;
  TrackLoader loader;
  const auto loaded = loader.Load(options.track);
  if (!loaded) return loaded.Failure();
  if ((*loaded)->outcome != TrackOutcome::kRead) {
    return Failure{FailureKind::kNotConverted, (*loaded)->message.Utf8()};
  }
  const Image* image = loader.Api().Map().image;
  if (image == nullptr) return Failure{FailureKind::kNotWritten, "no map image could be made"};
  std::vector<std::uint8_t> encoded;
  if (FormatForName(output) == ImageFormat::kBmp) {
    encoded = EncodeBmp(*image);
  } else if (auto png = EncodePng(*image)) {
    encoded = std::move(*png);
  } else {
    return Failure{FailureKind::kNotWritten, "the PNG image could not be encoded"};
  }
  if (const auto written = WriteFileReplacing(output, encoded, guard.WriteMode()); !written) {
    if (written.Failure().kind == WriteProblem::kExists) return OutputGuard::AlreadyExists(output);
    return Failure{FailureKind::kNotWritten, "cannot write " + output + ": " + written.Failure().message};
  }
  return Done{};
}

}  // namespace

std::string PreviewPath(const PreviewOptions& options) {
  if (!options.output.empty()) return options.output;
  return Utf8Path(NativePath(options.track).replace_extension(".png"));
}

bool RunPreview(const PreviewOptions& options, std::ostream& out, std::ostream& err) {
  const auto output = PreviewPath(options);
  if (const auto exported = ExportPreview(options, output); !exported) {
    ReportFailure(err, options.track, exported.Failure().message);
    return false;
  }
  out << options.track << " -> " << output << '\n';
  return true;
}

}  // namespace tarmaxion::cli
