#include <gtest/gtest.h>

#include <filesystem>

#include "api/PngEncoder.h"
#include "api/Thumbnail.h"
#include "glyphs/table/TableGlyphs.h"
#include "programs/trkconv/ImageFiles.h"
#include "tests/trkconv/ImageDecoding.h"
#include "tests/trkconv/TrkconvRun.h"
#include "tests/trkconv/WindowReference.h"
#include "tests/support/CaptionName.h"
#include "tests/support/TempDir.h"

namespace tarmaxion {
namespace {

using testing::DecodeBmp24;
using testing::DecodePng;
using testing::ReadBytes;
using testing::RichTrack;
using testing::RunInProcess;
using testing::RunProgram;
using testing::RunWindow;
using testing::SamePixels;
using testing::TempDir;

constexpr int kMapRows = 512;

// An image whose every pixel differs from its neighbours, with an odd width so BMP rows pad.
Image Pattern(int width, int height) {
  Image image(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.Set(x, y, Rgb(static_cast<std::uint8_t>(40 * x), static_cast<std::uint8_t>(70 * y), 255));
    }
  }
  return image;
}

TEST(ImageFilesTest, BmpAndPngReadBackToTheSamePixels) {
  const auto image = Pattern(3, 2);
  const auto bmp = cli::EncodeBmp(image);
  EXPECT_EQ(bmp.size(), 54u + 2 * 12);
  const auto from_bmp = DecodeBmp24(bmp);
  ASSERT_TRUE(from_bmp);
  EXPECT_TRUE(SamePixels(*from_bmp, image, 2));

  // 256 colours fit a palette, 272 do not; both must read back whole.
  for (const int height : {2, 16, 17}) {
    const auto pattern = Pattern(height == 2 ? 3 : 16, height);
    const auto png = EncodePng(pattern);
    ASSERT_TRUE(png);
    const auto from_png = DecodePng(*png);
    ASSERT_TRUE(from_png) << height;
    EXPECT_EQ(from_png->Height(), height);
    EXPECT_TRUE(SamePixels(*from_png, pattern, height)) << height;
  }
}

TEST(ImageFilesTest, FormatFollowsTheNamesEnding) {
  EXPECT_EQ(cli::FormatForName("map.bmp"), cli::ImageFormat::kBmp);
  EXPECT_EQ(cli::FormatForName("MAP.BMP"), cli::ImageFormat::kBmp);
  EXPECT_EQ(cli::FormatForName("map.Png"), cli::ImageFormat::kPng);
  EXPECT_EQ(cli::FormatForName("bmp"), cli::ImageFormat::kPng);
  EXPECT_EQ(cli::FormatForName("/tmp/thumbnail-XYZ"), cli::ImageFormat::kPng);
  EXPECT_EQ(cli::FormatForName("-"), cli::ImageFormat::kPng);
  EXPECT_EQ(cli::FormatForName("map.jpg"), std::nullopt);
  EXPECT_EQ(cli::FormatForName("map.png.jpeg"), std::nullopt);
}

class PreviewTest : public ::testing::Test {
 protected:
  // Runs trkconv preview and reads back what it wrote, checking it against the window's image.
  void ExpectWindowsImage(const std::vector<std::string>& args, const std::string& image_path, bool bmp) {
    const auto window = RunWindow(track_);
    ASSERT_TRUE(window.image);
    const auto run = RunInProcess(args);
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(run.out, track_ + " -> " + image_path + "\n");
    const auto bytes = ReadBytes(image_path);
    const auto image = bmp ? DecodeBmp24(bytes) : DecodePng(bytes);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->Width(), 512);
    EXPECT_EQ(image->Height(), 560);
    EXPECT_TRUE(SamePixels(*image, *window.image, kMapRows));
  }

  TempDir dir_;
  std::string track_ = dir_.Write("rich.trk", RichTrack().Build());
};

TEST_F(PreviewTest, BmpHoldsTheWindowsMapImage) {
  const auto image = dir_.File("map.bmp");
  ExpectWindowsImage({"preview", "-o", image, track_}, image, true);
}

TEST_F(PreviewTest, PngBesideTheTrackByDefault) {
  ExpectWindowsImage({"preview", track_}, dir_.File("rich.png"), false);
}

// The built program draws the caption in the page's glyph table, with no display and no font:
// its picture is the window's map image drawn with those glyphs, caption band included.
TEST_F(PreviewTest, TheBuiltProgramsCaptionIsTheGlyphTables) {
  const auto run = RunProgram({"preview", track_}, dir_.File(""));
  ASSERT_EQ(run.exit_code, 0) << run.err;
  const auto image = DecodePng(ReadBytes(dir_.File("rich.png")));
  ASSERT_TRUE(image);
  TableGlyphs table;
  const auto window = RunWindow(track_, "", &table);
  ASSERT_TRUE(window.image);
  EXPECT_TRUE(SamePixels(*image, *window.image, 560));
  const auto box_font = RunWindow(track_);
  ASSERT_TRUE(box_font.image);
  EXPECT_FALSE(SamePixels(*image, *box_font.image, 560)) << "the caption shows the box font";
}

// Names beyond Windows-1252 keep their letters in the caption: each drawn in the table's cell,
// and a character the table lacks as its box, where the caption once showed "?".
TEST_F(PreviewTest, TheCaptionSpellsNamesInCyrillicAndGreek) {
  TableGlyphs table;
  table.LoadFont(kCaptionFont, kCaptionFace, kCaptionPoints);
  for (const std::string name : {"\xD0\xA2\xD1\x80\xD0\xB0\xD1\x81\xD1\x81\xD0\xB0",  // Трасса
                                 "\xCE\xA0\xCE\xAF\xCF\x83\xCF\x84\xCE\xB1",  // Πίστα
                                 "\xE6\x9D\xB1\xE4\xBA\xAC"}) {  // two ideographs
    const auto run = RunInProcess({"preview", dir_.Write(name + ".trk", ReadBytes(track_))});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    const auto image = DecodePng(ReadBytes(dir_.File(name + ".png")));
    ASSERT_TRUE(image);
    EXPECT_TRUE(testing::CaptionShowsName(*image, table, name));
  }
}

// As the desktop's thumbnailer calls it: an output name without extension, an input name
// without .trk; the picture is the window's map scaled down.
TEST_F(PreviewTest, ThumbnailsAreTheWindowsMapScaledDown) {
  const auto input = dir_.Write("thumbnail-input", ReadBytes(track_));
  TableGlyphs table;
  const auto window = RunWindow(input, "", &table);
  ASSERT_TRUE(window.image);
  const struct {
    std::vector<std::string> options;
    ThumbnailArea area;
    int width, height;
  } cases[] = {{{"--size", "128", "--map-only"}, ThumbnailArea::kMapArea, 128, 128},
               {{"--size", "256"}, ThumbnailArea::kWholeMap, 234, 256},
               {{"--map-only"}, ThumbnailArea::kMapArea, 512, 512}};
  for (const auto& c : cases) {
    const auto output = dir_.File("thumbnail-" + std::to_string(c.width));
    auto args = c.options;
    args.insert(args.begin(), "preview");
    args.insert(args.end(), {"-o", output, input});
    const auto run = RunInProcess(args);
    ASSERT_EQ(run.exit_code, 0) << run.err;
    const auto image = DecodePng(ReadBytes(output));
    ASSERT_TRUE(image) << c.width;
    EXPECT_EQ(image->Width(), c.width);
    EXPECT_EQ(image->Height(), c.height);
    const auto expected = MapThumbnail(*window.image, c.options.size() > 1 ? std::stoi(c.options[1]) : 512, c.area);
    EXPECT_TRUE(SamePixels(*image, expected, c.height)) << c.width;
  }
}

TEST_F(PreviewTest, RefusedAndUnreadableTracksWriteNoImage) {
  const auto old = dir_.Write("old.trk", RichTrack().Version(262).Build());
  const auto run = RunInProcess({"preview", old});
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(run.err, "trkconv: " + old + ": Caution: Version <> 1.05\n");
  EXPECT_FALSE(std::filesystem::exists(dir_.File("old.png")));

  EXPECT_EQ(RunInProcess({"preview", dir_.File("missing.trk")}).exit_code, 1);
}

// As the copy's name: only ".trk" gives way, so two tracks that differ after their last dot
// keep two images.
TEST_F(PreviewTest, ImagesAreNamedAsCopiesAre) {
  const auto bytes = ReadBytes(track_);
  const auto run = RunInProcess({"preview", dir_.Write("a.b", bytes), dir_.Write("a.c", bytes), dir_.Write("d.TRK", bytes)});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  for (const char* image : {"a.b.png", "a.c.png", "d.png"}) EXPECT_TRUE(std::filesystem::exists(dir_.File(image))) << image;
}

TEST_F(PreviewTest, NeverWritesOverTheTrackNorAnExistingFileWithoutForce) {
  const auto bytes = ReadBytes(track_);
  std::filesystem::create_hard_link(track_, dir_.File("track.png"));
  const auto over_track = RunInProcess({"preview", "--force", "-o", dir_.File("track.png"), track_});
  EXPECT_EQ(over_track.exit_code, 1);
  EXPECT_NE(over_track.err.find("is one of the input files"), std::string::npos) << over_track.err;
  EXPECT_EQ(ReadBytes(track_), bytes);

  const auto existing = dir_.Write("rich.png", {9});
  const auto refused = RunInProcess({"preview", track_});
  EXPECT_EQ(refused.exit_code, 1);
  EXPECT_NE(refused.err.find("already exists"), std::string::npos);
  EXPECT_EQ(ReadBytes(existing), std::vector<std::uint8_t>{9});
}

}  // namespace
}  // namespace tarmaxion
