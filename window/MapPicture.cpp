#include "window/MapPicture.h"

#include "base/PathParts.h"
#include "base/Text.h"
#include "track/Conversion.h"

namespace tarmaxion {

std::string MapPictureName(std::string_view utf8_path) { return FilePart(MapImageName(utf8_path)); }

std::optional<ShownText> MapNote(const WindowModel& model) {
  if (model.TrackPath().empty() || model.MapIsCurrent()) return std::nullopt;
  return "No map for " + ShownText::FromUtf8(FilePart(model.TrackPath()));
}

Result<std::string, ShownText> MapPictureToSave(const WindowModel& model) {
  if (model.TrackPath().empty()) return ShownText("No map to save: load a track first");
  if (!model.MapIsCurrent()) {
    return "No map to save: " + ShownText::FromUtf8(FilePart(model.TrackPath())) + " has none";
  }
  return MapPictureName(model.TrackPath());
}

}  // namespace tarmaxion
