// The PCX and TGA readers: their layouts, runs across rows, orientation and lying headers.
#include <gtest/gtest.h>

#include "common/byte_order.h"
#include "imaging/format_readers.h"
#include "imaging/picture_reader.h"
#include "imaging/tests/reader_test_support.h"

namespace {

// Each pixel's red byte as a grey level: how the grey formats show SampleColours.
RgbImage GreyOfRed(RgbImage image) {
  for (std::size_t i = 0; i < image.pixels.size(); i += 3) image.pixels[i + 1] = image.pixels[i + 2] = image.pixels[i];
  return image;
}

// A 2 x 2 run-length true-colour TGA (24 bits) with the given packets.
Bytes TgaRuns(std::initializer_list<std::uint8_t> packets) {
  Bytes file = {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 2, 0, 24, 0x20};
  for (std::uint8_t packet : packets) file.push_back(packet);
  return file;
}

}  // namespace

TEST(PcxReader, ReadsEveryLayout) {
  struct Case {
    int bits;
    int planes;
    RgbImage expected;
  } cases[] = {
      {1, 1, SampleIndexed(2).Rgb()},   {1, 4, SampleIndexed(16).Rgb()}, {4, 1, SampleIndexed(16).Rgb()},
      {8, 1, SampleIndexed(256).Rgb()}, {8, 3, SampleColours()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.bits << " bits x " << c.planes << " planes");
    Bytes file = PcxFile(c.bits, c.planes);
    EXPECT_EQ(DetectPictureFormat(file), PictureFormat::kPcx);
    EXPECT_TRUE(ShowsPicture(ReadPicture(file), c.expected));
  }
}

TEST(PcxReader, ShowsGreyLevelsWithoutTheEndPalette) {
  Bytes file = PcxFile(8, 1);
  file.resize(file.size() - 769);
  const IndexedPicture picture = SampleIndexed(256);
  RgbImage expected = MakeImage(5, 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) std::fill_n(expected.row(y) + x * 3, 3, picture.IndexAt(x, y));
  }
  EXPECT_TRUE(ShowsPicture(ReadPicture(file), expected));
}

TEST(PcxReader, LetsRunsCarryOnIntoTheNextRow) {
  Bytes file = PcxFile(8, 1);
  WriteU16LE(&file[8], 3);  // 4 x 2 pixels, 4 bytes a row
  WriteU16LE(&file[10], 1);
  WriteU16LE(&file[66], 4);
  Bytes palette(file.end() - 769, file.end());
  file.resize(128);
  file.insert(file.end(), {0xC8, 7});  // one run of 8 bytes: both rows
  file.insert(file.end(), palette.begin(), palette.end());
  const std::array<std::uint8_t, 3> colour = SampleIndexed(256).colours[7];
  RgbImage expected = MakeImage(4, 2);
  for (std::size_t i = 0; i < expected.pixels.size(); ++i) expected.pixels[i] = colour[i % 3];
  EXPECT_TRUE(ShowsPicture(ReadPicture(file), expected));
}

TEST(PcxReader, RefusesLyingHeaders) {
  const Bytes good = PcxFile(8, 3);
  ExpectFailures(
      ReadPcx,
      {
          {"65535 x 65535", Patched(good, 8, {0xFE, 0xFF, 0xFE, 0xFF}), "picture too large: 65535 x 65535"},
          {"right edge left of the left edge", Patched(good, 4, {9, 0}), "damaged PCX file: picture size -4 x 3"},
          {"scan line shorter than the width", Patched(good, 66, {2, 0}), "damaged PCX file: scan line shorter"},
          {"two planes of 8 bits", Patched(good, 65, {2}),
           "damaged PCX file: unsupported layout of 2 planes at 8 bits"},
          {"far too little data for the size", Patched(good, 10, {0xFF, 0x0F}),
           "damaged PCX file: pixel data truncated"},
      });
}

TEST(TgaReader, ReadsEveryTypeDepthAndOrientation) {
  const RgbImage colours = SampleColours();
  const RgbImage indexed = SampleIndexed(16).Rgb();
  struct Case {
    int type;
    int bits;
    bool top_down;
    bool right_to_left;
    RgbImage expected;
  } cases[] = {
      {1, 8, false, false, indexed},
      {9, 8, true, false, indexed},
      {2, 24, false, false, colours},
      {2, 24, true, false, colours},
      {2, 24, false, true, colours},
      {2, 24, true, true, colours},
      {2, 32, false, false, colours},
      {10, 32, true, true, colours},
      {10, 24, false, false, colours},
      {2, 16, false, false, Quantized(colours, 5, 5, 5)},
      {2, 15, true, false, Quantized(colours, 5, 5, 5)},
      {10, 16, false, true, Quantized(colours, 5, 5, 5)},
      {3, 8, false, false, GreyOfRed(colours)},
      {11, 8, true, false, GreyOfRed(colours)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "type " << c.type << ", " << c.bits << " bits"
                                    << (c.top_down ? ", top-down" : "") << (c.right_to_left ? ", right to left" : ""));
    Bytes file = TgaFile(c.type, c.bits, c.top_down, c.right_to_left);
    EXPECT_EQ(DetectPictureFormat(file), PictureFormat::kTga);
    EXPECT_TRUE(ShowsPicture(ReadPicture(file), c.expected));
  }
}

TEST(TgaReader, RepeatsRunsAcrossRowsAndRefusesOverruns) {
  RgbImage expected = MakeImage(2, 2);
  for (std::size_t i = 0; i < expected.pixels.size(); i += 3) expected.pixels[i] = 200, expected.pixels[i + 2] = 10;
  EXPECT_TRUE(ShowsPicture(ReadPicture(TgaRuns({0x83, 10, 0, 200})), expected));
  EXPECT_TRUE(FailsWith(ReadTga(TgaRuns({0x84, 10, 0, 200})), "damaged TGA file: run beyond the end of the picture"));
  EXPECT_TRUE(FailsWith(ReadTga(TgaRuns({0x81, 10, 0, 200, 0x01, 1})), "damaged TGA file: pixel data truncated"));
}

TEST(TgaReader, ColourMapStartsAtItsFirstEntry) {
  // Map entry 0 stands for index 1: every index shows the colour one below it.
  const IndexedPicture picture = SampleIndexed(16);
  RgbImage expected = MakeImage(5, 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) {
      const auto& colour = picture.colours[picture.IndexAt(x, y) - 1];
      std::copy(colour.begin(), colour.end(), expected.row(y) + x * 3);
    }
  }
  EXPECT_TRUE(ShowsPicture(ReadPicture(Patched(TgaFile(1, 8), 3, {1})), expected));
}

TEST(TgaReader, HeaderChecksKeepOtherDataOut) {
  const Bytes good = TgaFile(2, 24);
  struct Case {
    const char* what;
    Bytes file;
  } cases[] = {
      {"image type 4", Patched(good, 2, {4})},
      {"colour map type 2", Patched(good, 1, {2})},
      {"true colour at 8 bits", Patched(good, 16, {8})},
      {"interleaving bits", Patched(good, 17, {0x40})},
      {"zero width", Patched(good, 12, {0, 0})},
      {"colour map without a map type", Patched(good, 5, {4, 0})},
      {"colour map past the end", Patched(Patched(good, 1, {1}), 5, {0xFF, 0xFF, 24})},
      {"text", Bytes{'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', ',', ' ', 'h', 'o', 'w', ' ', 'i', 's'}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(DetectPictureFormat(c.file), PictureFormat::kUnknown);
    EXPECT_FALSE(ReadTga(c.file).ok());
  }
  EXPECT_TRUE(FailsWith(ReadTga(Patched(good, 12, {0xFF, 0xFF, 0xFF, 0xFF})), "picture too large: 65535 x 65535"));
}
