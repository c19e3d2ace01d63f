#include "programs/trkconv/PreviewCommand.h"

#include "api/PngEncoder.h"
#include "programs/trkconv/ImageFiles.h"
#include "track/Conversion.h"

namespace tarmaxion::cli {
namespace {

MadeOutput MakeImage(BatchWorker& worker, const std::string& output, const PreviewOptions& options) {
  const Image* map = worker.loader.Api().Map().image;
  if (map == nullptr) return Failure{FailureKind::kNotWritten, "no map image could be made"};
  std::optional<Image> thumbnail;
  if (options.size || options.area != ThumbnailArea::kWholeMap) {
    thumbnail = MapThumbnail(*map, options.size.value_or(map->Height()), options.area);
  }
  const Image& image = thumbnail ? *thumbnail : *map;
  if (FormatForName(output) == ImageFormat::kBmp) {
    worker.output = EncodeBmp(image);
  } else if (auto png = EncodePng(image)) {
    worker.output = std::move(*png);
  } else {
    return Failure{FailureKind::kNotWritten, "the PNG image could not be encoded"};
  }
  return std::span<const std::uint8_t>(worker.output);
}

}  // namespace

std::string PreviewPath(const BatchOptions& options, const std::string& track) {
  return OutputPath(options, MapImageName(track));
}

int RunPreview(const PreviewOptions& options, const Console& console) {
  if (console.images_ahead) console.images_ahead();
  BatchWork work;
  work.output_path = [&options](const std::string& track) { return PreviewPath(options.batch, track); };
  work.make = [&options](BatchWorker& worker, const std::string& output) {
    return MakeImage(worker, output, options);
  };
  work.made = "images made";
  work.not_done = "tracks not drawn";
  work.output_kind = "a map image";
  return RunBatch(options.batch, work, console);
}

}  // namespace tarmaxion::cli
