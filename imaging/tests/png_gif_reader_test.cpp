// The PNG and GIF readers: bit depths, palettes, transparency, interlacing, frames on a screen.
#include <gtest/gtest.h>

#include "imaging/picture_reader.h"
#include "imaging/tests/reader_test_support.h"

namespace {

// 9 x 9 pixels, enough for every pass of an interlaced PNG to hold pixels.
RgbImage NineByNine() {
  RgbImage image = MakeImage(9, 9);
  for (int y = 0; y < 9; ++y) {
    for (int x = 0; x < 9; ++x) {
      std::uint8_t* pixel = image.row(y) + x * 3;
      pixel[0] = static_cast<std::uint8_t>(x * 28), pixel[1] = static_cast<std::uint8_t>(y * 28);
      pixel[2] = static_cast<std::uint8_t>((x + y) * 14);
    }
  }
  return image;
}

PngLayout RgbLayout(const RgbImage& image) {
  PngLayout layout;
  layout.width = image.width, layout.height = image.height, layout.rows = image.pixels;
  return layout;
}

RgbImage GreyImage(int width, int height, const std::vector<int>& levels) {
  RgbImage image = MakeImage(width, height);
  for (std::size_t i = 0; i < levels.size(); ++i) std::fill_n(&image.pixels[i * 3], 3, levels[i]);
  return image;
}

// The frame of GifFile: SampleIndexed(16) rows repeated to `height`, placed at (left, top) on a
// screen filled with `background`; `transparent` pixels keep the background.
RgbImage GifExpected(const GifLayout& layout, const std::array<std::uint8_t, 3>& background) {
  const IndexedPicture picture = SampleIndexed(16);
  RgbImage image = MakeImage(layout.screen_width, layout.screen_height);
  for (std::size_t i = 0; i < image.pixels.size(); ++i) image.pixels[i] = background[i % 3];
  for (int y = 0; y < layout.height && layout.top + y < layout.screen_height; ++y) {
    for (int x = 0; x < picture.width && layout.left + x < layout.screen_width; ++x) {
      int index = picture.IndexAt(x, y % picture.height);
      if (index == layout.transparent) continue;
      std::copy(picture.colours[index].begin(), picture.colours[index].end(),
                image.row(layout.top + y) + (layout.left + x) * 3);
    }
  }
  return image;
}

}  // namespace

TEST(PngReader, ReadsTrueColourAndInterlacedPictures) {
  EXPECT_TRUE(ShowsPicture(ReadPicture(PngFile(PngOfSample())), SampleColours()));
  PngLayout interlaced = RgbLayout(NineByNine());
  interlaced.interlaced = true;
  EXPECT_TRUE(ShowsPicture(ReadPicture(PngFile(interlaced)), NineByNine()));
}

TEST(PngReader, ExpandsLowDepthsAndReducesSixteenBits) {
  // 4 x 1 pixels in each case.
  PngLayout grey1{4, 1, 0, 1, false, {0b10100000}, {}, {}};
  PngLayout grey2{4, 1, 0, 2, false, {0b00011011}, {}, {}};
  PngLayout grey4{4, 1, 0, 4, false, {0x0F, 0x8A}, {}, {}};
  PngLayout grey16{4, 1, 0, 16, false, {0, 0, 0x12, 0x12, 0x80, 0x80, 0xFF, 0xFF}, {}, {}};
  PngLayout rgb16{4, 1, 2, 16, false, {}, {}, {}};
  const RgbImage colours = SampleColours();
  for (int i = 0; i < 12; ++i) rgb16.rows.insert(rgb16.rows.end(), {colours.pixels[i], colours.pixels[i]});
  RgbImage first_four = MakeImage(4, 1);
  std::copy_n(colours.pixels.begin(), 12, first_four.pixels.begin());
  PngLayout palette4{4, 1, 3, 4, false, {0x01, 0x23}, {{1, 2, 3}, {40, 50, 60}, {70, 80, 90}, {200, 210, 220}}, {}};
  RgbImage palette_expected = MakeImage(4, 1);
  palette_expected.pixels = {1, 2, 3, 40, 50, 60, 70, 80, 90, 200, 210, 220};
  struct Case {
    const char* what;
    PngLayout layout;
    RgbImage expected;
  } cases[] = {
      {"grey, 1 bit", grey1, GreyImage(4, 1, {255, 0, 255, 0})},
      {"grey, 2 bits", grey2, GreyImage(4, 1, {0, 85, 170, 255})},
      {"grey, 4 bits", grey4, GreyImage(4, 1, {0, 255, 136, 170})},
      {"grey, 16 bits", grey16, GreyImage(4, 1, {0, 0x12, 0x80, 0xFF})},
      {"RGB, 16 bits", rgb16, first_four},
      {"palette, 4 bits", palette4, palette_expected},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_TRUE(ShowsPicture(ReadPicture(PngFile(c.layout)), c.expected));
  }
}

TEST(PngReader, LaysTransparentPartsOverBlack) {
  // RGBA: opaque, fully transparent, half transparent.
  PngLayout rgba{3, 1, 6, 8, false, {200, 100, 50, 255, 200, 100, 50, 0, 200, 100, 50, 128}, {}, {}};
  RgbImage rgba_expected = MakeImage(3, 1);
  rgba_expected.pixels = {200, 100, 50, 0, 0, 0, 100, 50, 25};
  PngLayout grey_alpha{2, 1, 4, 8, false, {240, 255, 240, 64}, {}, {}};
  PngLayout palette{2, 1, 3, 8, false, {0, 1}, {{10, 20, 30}, {90, 180, 240}}, {255, 0}};
  RgbImage palette_expected = MakeImage(2, 1);
  palette_expected.pixels = {10, 20, 30, 0, 0, 0};
  EXPECT_TRUE(ShowsPicture(ReadPicture(PngFile(rgba)), rgba_expected, 1));
  EXPECT_TRUE(ShowsPicture(ReadPicture(PngFile(grey_alpha)), GreyImage(2, 1, {240, 60}), 1));
  EXPECT_TRUE(ShowsPicture(ReadPicture(PngFile(palette)), palette_expected));
}

TEST(PngReader, RefusesDamageAndHugeSizes) {
  const Bytes good = PngFile(PngOfSample());
  // Width and height in IHDR with the chunk's checksum left as it was.
  EXPECT_TRUE(FailsWith(ReadPicture(Patched(good, 16, {0, 0, 0, 6})), "damaged PNG file: IHDR: CRC error"));
  // The IHDR of a 70000 x 70000 picture, with its checksum.
  Bytes huge = Patched(good, 16, {0, 1, 0x11, 0x70, 0, 1, 0x11, 0x70});
  huge = Patched(huge, 29, {0xB0, 0x5C, 0xA3, 0x9C});
  EXPECT_TRUE(FailsWith(ReadPicture(huge), "picture too large: 70000 x 70000"));
}

TEST(GifReader, ReadsTheFirstFrameOnItsScreen) {
  GifLayout plain;
  GifLayout interlaced;
  interlaced.interlaced = true, interlaced.height = interlaced.screen_height = 12;
  GifLayout transparent;
  transparent.transparent = 4, transparent.background = 2;
  GifLayout local;
  local.local_colours = true;
  GifLayout placed;
  placed.screen_width = 9, placed.screen_height = 6, placed.left = 3, placed.top = 2, placed.background = 5;
  GifLayout clipped;
  clipped.screen_width = 4, clipped.screen_height = 2;
  const IndexedPicture palette = SampleIndexed(16);
  struct Case {
    const char* what;
    GifLayout layout;
    std::array<std::uint8_t, 3> background;
  } cases[] = {
      {"plain", plain, {}},
      {"interlaced", interlaced, {}},
      {"transparent index 4 over background 2", transparent, palette.colours[2]},
      {"local colour table", local, {}},
      {"frame at (3, 2) on a larger screen", placed, palette.colours[5]},
      {"screen smaller than the frame", clipped, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Bytes file = GifFile(c.layout);
    EXPECT_EQ(DetectPictureFormat(file), PictureFormat::kGif);
    EXPECT_TRUE(ShowsPicture(ReadPicture(file), GifExpected(c.layout, c.background)));
  }
}

TEST(GifReader, RefusesHugeScreensAndFilesWithoutAFrame) {
  GifLayout huge;
  huge.screen_width = huge.screen_height = 65535;
  EXPECT_TRUE(FailsWith(ReadPicture(GifFile(huge)), "picture too large: 65535 x 65535"));
  Bytes no_frame = {'G', 'I', 'F', '8', '9', 'a', 5, 0, 3, 0, 0, 0, 0, 0x3B};
  EXPECT_TRUE(FailsWith(ReadPicture(no_frame), "damaged GIF file: no picture in the file"));
}
