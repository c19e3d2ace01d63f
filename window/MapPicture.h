// The page's map picture: what its map view says when the picture is not the last load's map,
// and the file "save map as PNG" saves it under, or why it saves none.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/Result.h"
#include "base/ShownText.h"
#include "window/WindowModel.h"

namespace tarmaxion {

// The picture file of the map of the track at utf8_path: its file name without ".trk" (in any
// case), with ".png".
std::string MapPictureName(std::string_view utf8_path);

// "No map for old.trk" while the map view holds no map of the file last loaded; nothing before
// the first load and while it shows that file's map.
std::optional<ShownText> MapNote(const WindowModel& model);

// The name to save the map view's picture under, which is the map of the track last loaded; or,
// when there is none, the log's word why.
Result<std::string, ShownText> MapPictureToSave(const WindowModel& model);

}  // namespace tarmaxion
