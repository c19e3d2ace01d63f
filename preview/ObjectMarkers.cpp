#include "preview/ObjectMarkers.h"

#include <optional>

#include "gfx/Raster.h"
#include "preview/MarkerRectangle.h"
#include "track/ObjectTable.h"

namespace tarmaxion {
namespace {

constexpr Colour kOutlineGrey = Rgb(170, 170, 170);

void DrawBlock(Graphics& graphics, const MapObject& object, Colour colour) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) graphics.PutPixel(object.column + dx, object.row + dy, colour);
  }
}

struct MarkerSize {
  int half_width = 0;   // A, across the heading
  int half_length = 0;  // B, along the heading
};

MarkerSize SizeFor(int width, int length, std::uint8_t world_size) {
  return {width / world_size / 2, length / world_size / 2};
}

// Outlines the rectangle of every object that colour_of gives a colour, then runs
// after_outline on it. The bounds test uses the half-width alone, so a long rectangle may
// leave the map area; the image edge clips it.
template <typename ColourOf, typename AfterOutline>
void DrawRectangles(const ObjectTable& table, Graphics& graphics, MarkerSize size,
                    ColourOf colour_of, AfterOutline after_outline) {
  table.ForEach([&](const MapObject& object) {
    const std::optional<Colour> colour = colour_of(object.type);
    if (!colour || !Within(object, size.half_width, kMapEdge - size.half_width)) return;
    DrawMarkerRectangle(graphics,
                        MarkerRectangle(object.column, object.row, object.heading, size.half_width,
                                        size.half_length),
                        *colour);
    after_outline(object);
  });
}

// Whether a fill from (column, row) is sure to change nothing. While this pass runs, the image
// only gains grey outline pixels and fill-coloured regions, so the region around a pixel can
// only shrink. A start pixel in the fill colour, when no pixel had that colour before the pass,
// lies in a region an earlier fill of this pass painted whole; the region it has now is part of
// that one and already painted. Tracks that pile thousands of rectangles on one spot would
// otherwise repaint most of the map for each of them.
class RepeatedFillCheck {
 public:
  RepeatedFillCheck(const Image* image, Colour fill) : image_(image), fill_(fill) {}

  // Asked before each fill of the pass. The first question comes before the first fill, when
  // only grey outlines have been added, so the image still tells whether the fill colour is new.
  bool CannotChange(int column, int row) {
    if (!fill_is_new_) {
      fill_is_new_ = image_ != nullptr && fill_ != kOutlineGrey && !HasColour(*image_, fill_);
    }
    return *fill_is_new_ && image_->Contains(column, row) && image_->At(column, row) == fill_;
  }

 private:
  const Image* image_;
  Colour fill_;
  std::optional<bool> fill_is_new_;
};

// Types 17 and 18: grey outlines, each filled from its centre up to any grey outline.
void DrawFilledRectangles(const ObjectTable& table, Graphics& graphics, const Image* image,
                          std::uint8_t world_size, Colour fill) {
  const auto grey_for_17_and_18 = [](std::int8_t type) -> std::optional<Colour> {
    if (type == 17 || type == 18) return kOutlineGrey;
    return std::nullopt;
  };
  RepeatedFillCheck repeated(image, fill);
  DrawRectangles(table, graphics, SizeFor(6200, 15900, world_size), grey_for_17_and_18,
                 [&](const MapObject& object) {
                   if (repeated.CannotChange(object.column, object.row)) return;
                   graphics.FloodFill(object.column, object.row, FillMode::kBorder, kOutlineGrey, fill);
                 });
}

// Types 1, 2, 3 and 23: outlines only, one colour per type.
void DrawOutlinedRectangles(const ObjectTable& table, Graphics& graphics,
                            std::uint8_t world_size, const ObjectColourTable& colours) {
  const auto colour_of = [&](std::int8_t type) -> std::optional<Colour> {
    switch (type) {
      case 1: return colours[9];
      case 2: return colours[11];
      case 3: return colours[10];
      case 23: return colours[4];
      default: return std::nullopt;
    }
  };
  DrawRectangles(table, graphics, SizeFor(400, 3100, world_size), colour_of,
                 [](const MapObject&) {});
}

}  // namespace

void DrawObjects(std::span<const std::uint8_t> track_file, const TrackInfo& info,
                 const ObjectColourTable& colours, Graphics& graphics, int image_slot) {
  const ByteReader track(track_file);
  const ObjectTable table(track, info.layout);
  graphics.BeginDrawing(image_slot);

  table.ForEach([&](const MapObject& object) {
    if (object.type == 10 && WithinMap(object)) DrawBlock(graphics, object, colours[7]);
  });
  table.ForEach([&](const MapObject& object) {
    if (object.type != 9 || !WithinMap(object)) return;
    graphics.FillBox(object.column - 2, object.row - 2, 5, 5, colours[0]);
    graphics.PutPixel(object.column, object.row, colours[7]);
  });

  // The rectangle sizes divide by the world size; a world size of 0 gives no rectangles.
  if (info.world_size != 0) {
    DrawFilledRectangles(table, graphics, graphics.ImageAt(image_slot), info.world_size,
                         colours[1]);
    DrawOutlinedRectangles(table, graphics, info.world_size, colours);
  }

  table.ForEach([&](const MapObject& object) {
    if (object.type > 24 && WithinMap(object)) DrawBlock(graphics, object, colours[11]);
  });
  graphics.EndDrawing();
}

}  // namespace tarmaxion
