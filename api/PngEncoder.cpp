// A map has a few dozen colours, so it is stored with a palette: a third of the bytes of RGB to
// compress, and a smaller file. Only an image with more than 256 colours (a scaled-down map, whose averaging mixes colours) is stored as RGB.
// Rows are not filtered: a map's flat areas repeat whole runs of bytes, which the compressor
// finds unaided; PNG's filters made some maps smaller and others larger, and every scaled map
// larger.
// docs/performance.md has the measurements behind the level and the filters.
#include "api/PngEncoder.h"

#include <array>
#include <span>

#include "api/ZlibStream.h"

namespace tarmaxion {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kMaxPaletteSize = 256;
constexpr std::uint8_t kColourTypeRgb = 2;
constexpr std::uint8_t kColourTypeIndexed = 3;
constexpr std::uint8_t kFilterNone = 0;

void AppendBigEndian32(Bytes& bytes, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(static_cast<std::uint8_t>(value >> shift));
}

// Length, type, data, and the CRC of type and data.
void AppendChunk(Bytes& png, const char (&type)[5], std::span<const std::uint8_t> data) {
  AppendBigEndian32(png, static_cast<std::uint32_t>(data.size()));
  const auto type_at = png.size();
  png.insert(png.end(), type, type + 4);
  png.insert(png.end(), data.begin(), data.end());
  AppendBigEndian32(png, Crc32(0, std::span(png).subspan(type_at)));
}

// The image's rows as palette indexes, each after its filter byte, and the palette; false when
// the image has more colours than a palette holds. Neighbouring pixels mostly share a colour, so
// the table is searched only where the colour changes.
bool IndexedRows(const Image& image, Bytes& rows, std::vector<Colour>& palette) {
  constexpr std::size_t kSlots = 1024;  // a power of two, well above the palette's size
  std::array<std::int16_t, kSlots> slot_index;
  slot_index.fill(-1);
  rows.clear();
  rows.reserve((image.Pitch() + 1) * static_cast<std::size_t>(image.Height()));
  Colour last = 0;
  std::uint8_t last_index = 0;
  bool have_last = false;
  for (int y = 0; y < image.Height(); ++y) {
    rows.push_back(kFilterNone);
    for (const Colour colour : std::span(image.Row(y), image.Pitch())) {
      if (!have_last || colour != last) {
        auto slot = (colour * 2654435761U >> 16) & (kSlots - 1);
        while (slot_index[slot] >= 0 && palette[static_cast<std::size_t>(slot_index[slot])] != colour) {
          slot = (slot + 1) & (kSlots - 1);
        }
        if (slot_index[slot] < 0) {
          if (palette.size() == kMaxPaletteSize) return false;
          slot_index[slot] = static_cast<std::int16_t>(palette.size());
          palette.push_back(colour);
        }
        last = colour;
        last_index = static_cast<std::uint8_t>(slot_index[slot]);
        have_last = true;
      }
      rows.push_back(last_index);
    }
  }
  return true;
}

void RgbRows(const Image& image, Bytes& rows) {
  rows.clear();
  rows.reserve((3 * image.Pitch() + 1) * static_cast<std::size_t>(image.Height()));
  for (int y = 0; y < image.Height(); ++y) {
    rows.push_back(kFilterNone);
    for (const Colour colour : std::span(image.Row(y), image.Pitch())) {
      rows.insert(rows.end(), {RedOf(colour), GreenOf(colour), BlueOf(colour)});
    }
  }
}

}  // namespace

std::optional<std::vector<std::uint8_t>> EncodePng(const Image& image) {
  Bytes rows;
  std::vector<Colour> palette;
  const bool indexed = IndexedRows(image, rows, palette);
  if (!indexed) RgbRows(image, rows);

  const auto compressed = ZlibStream(rows);
  if (!compressed) return std::nullopt;

  Bytes header;
  AppendBigEndian32(header, static_cast<std::uint32_t>(image.Width()));
  AppendBigEndian32(header, static_cast<std::uint32_t>(image.Height()));
  // 8 bits a sample, the colour type, then deflate, the adaptive filter method, no interlacing.
  header.insert(header.end(), {8, indexed ? kColourTypeIndexed : kColourTypeRgb, 0, 0, 0});

  Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  AppendChunk(png, "IHDR", header);
  if (indexed) {
    Bytes entries;
    for (const Colour colour : palette) entries.insert(entries.end(), {RedOf(colour), GreenOf(colour), BlueOf(colour)});
    AppendChunk(png, "PLTE", entries);
  }
  AppendChunk(png, "IDAT", *compressed);
  AppendChunk(png, "IEND", {});
  return png;
}

}  // namespace tarmaxion
