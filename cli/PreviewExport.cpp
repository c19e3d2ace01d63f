#include "cli/PreviewExport.h"

#include <optional>

#include "cli/Failure.h"
#include "cli/HeadlessWindow.h"
#include "cli/ImageFiles.h"
#include "cli/Paths.h"
#include "ui/Encoding.h"
#include "ui/Files.h"

namespace tarmaxion::cli {
namespace {

std::optional<std::string> ExportPreview(const PreviewOptions& options, const std::string& output) {
  if (auto refusal = OutputGuard({options.track}, options.replace).Refusal(output)) return refusal;
  HeadlessWindow window;
  const auto loaded = window.Load(options.track);
  if (loaded.outcome != LoadOutcome::kListed) return Utf8FromWindows1252(loaded.problem);
  const Image* image = window.MapImage();
  if (image == nullptr) return "the window built no map image";
  std::vector<std::uint8_t> encoded;
  if (FormatForName(output) == ImageFormat::kBmp) {
    encoded = EncodeBmp(*image);
  } else if (auto png = EncodePng(*image)) {
    encoded = std::move(*png);
  } else {
    return "the PNG image could not be encoded";
  }
  if (const auto written = WriteFileReplacing(output, encoded); !written.ok) {
    return "cannot write " + output + ": " + written.reason;
  }
  return std::nullopt;
}

}  // namespace

std::string PreviewPath(const PreviewOptions& options) {
  if (!options.output.empty()) return options.output;
  return Utf8Path(NativePath(options.track).replace_extension(".png"));
}

bool RunPreview(const PreviewOptions& options, std::ostream& out, std::ostream& err) {
  const auto output = PreviewPath(options);
  if (const auto failure = ExportPreview(options, output)) {
    ReportFailure(err, options.track, *failure);
    return false;
  }
  out << options.track << " -> " << output << '\n';
  return true;
}

}  // namespace tarmaxion::cli
