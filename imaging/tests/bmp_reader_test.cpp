// The BMP reader: every depth, header and compression, row order, run-length escapes, runs cut at
// the row end, and lying headers.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/byte_order.h"
#include "imaging/format_readers.h"
#include "imaging/picture_reader.h"
#include "imaging/tests/reader_test_support.h"

namespace {

// The 5 x 3 run-length BMP of SampleIndexed(256), or of SampleIndexed(16) at 4 bits, with its pixel
// data (and width) replaced.
Bytes RunLengthFile(int bits, const Bytes& pixels, int width = 5) {
  Bytes file = BmpFile(bits, bits == 8 ? 1 : 2);
  WriteI32LE(&file[18], width);
  file.resize(ReadU32LE(&file[10]));
  file.insert(file.end(), pixels.begin(), pixels.end());
  return file;
}

Bytes Rle8WithPixels(std::initializer_list<std::uint8_t> pixels) { return RunLengthFile(8, pixels); }

RgbImage Black(int width, int height) { return MakeImage(width, height); }

void SetPixel(RgbImage& image, int x, int y, const std::array<std::uint8_t, 3>& colour) {
  std::copy(colour.begin(), colour.end(), image.row(y) + x * 3);
}

// Rows of palette indexes as hex digits, top row first; '.' stays black.
RgbImage FromIndexes(const std::vector<std::string>& rows) {
  const IndexedPicture palette = SampleIndexed(16);
  RgbImage image = Black(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      char digit = rows[y][x];
      if (digit != '.') SetPixel(image, x, y, palette.colours[std::stoi(std::string(1, digit), nullptr, 16)]);
    }
  }
  return image;
}

}  // namespace

TEST(BmpReader, ReadsEveryDepthCompressionAndHeader) {
  const RgbImage colours = SampleColours();
  struct Case {
    int bits;
    std::uint32_t compression;
    std::uint32_t header_size;
    bool top_down;
    RgbImage expected;
  } cases[] = {
      {1, 0, 40, false, SampleIndexed(2).Rgb()},
      {4, 0, 40, false, SampleIndexed(16).Rgb()},
      {8, 0, 40, false, SampleIndexed(256).Rgb()},
      {8, 0, 12, false, SampleIndexed(256).Rgb()},
      {4, 0, 12, false, SampleIndexed(16).Rgb()},
      {24, 0, 12, false, colours},
      {24, 0, 40, false, colours},
      {24, 0, 40, true, colours},
      {24, 0, 108, false, colours},
      {24, 0, 124, true, colours},
      {16, 0, 40, false, Quantized(colours, 5, 5, 5)},
      {16, 3, 40, false, Quantized(colours, 5, 6, 5)},
      {16, 3, 124, false, Quantized(colours, 5, 6, 5)},
      {32, 0, 40, true, colours},
      {32, 3, 40, false, colours},
      {32, 3, 108, false, colours},
      {8, 1, 40, false, SampleIndexed(256).Rgb()},
      {4, 2, 40, false, SampleIndexed(16).Rgb()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.bits << " bits, compression " << c.compression << ", header " << c.header_size
                                    << (c.top_down ? ", top-down" : ""));
    Bytes file = BmpFile(c.bits, c.compression, c.header_size, c.top_down);
    EXPECT_EQ(DetectPictureFormat(file), PictureFormat::kBmp);
    PictureReadResult result = ReadPicture(file);
    EXPECT_EQ(result.format, PictureFormat::kBmp);
    EXPECT_TRUE(ShowsPicture(result, c.expected));
  }
}

TEST(BmpReader, FollowsRunLengthEscapes) {
  // Bottom row: 3 literal pixels (padded to 16 bits), end of row; then a move of 1 right and 1 up
  // (skipping the middle row), a run of 2, end of picture. Skipped pixels stay black.
  Bytes file = Rle8WithPixels({0, 3, 1, 2, 3, 0, 0, 0, 0, 2, 1, 1, 2, 9, 0, 1});
  const IndexedPicture palette = SampleIndexed(256);
  RgbImage expected = Black(5, 3);
  SetPixel(expected, 0, 2, palette.colours[1]);
  SetPixel(expected, 1, 2, palette.colours[2]);
  SetPixel(expected, 2, 2, palette.colours[3]);
  SetPixel(expected, 1, 0, palette.colours[9]);
  SetPixel(expected, 2, 0, palette.colours[9]);
  EXPECT_TRUE(ShowsPicture(ReadPicture(file), expected));
}

// Runs and moves past the row end are cut there; what follows the last row is ignored. The rows are
// bottom-up, so a pixel spilled into the next row would show in the row above it. The dropped literal
// pixels are 0, as in padded rows: read as codes they would end a row.
TEST(BmpReader, CutsRunsAtTheRowEnd) {
  struct Case {
    const char* what;
    int bits;
    Bytes pixels;
    std::vector<std::string> expected;
  } cases[] = {
      {"run past the row end", 8, {5, 1, 0, 0, 7, 2, 0, 1}, {".....", "22222", "11111"}},
      {"literals past the row end, then a run",
       8,
       {0, 6, 1, 1, 1, 1, 1, 0, 0, 0, 0, 7, 2, 2, 2, 2, 2, 0, 0, 0, 1, 4, 0, 0, 1, 5, 0, 1},
       {"5....", "22222", "11111"}},
      {"move past the row end, then a run", 8, {0, 2, 9, 0, 2, 5, 0, 0, 1, 7, 0, 1}, {".....", "7....", "....."}},
      {"run below the last row", 8, {0, 0, 0, 0, 0, 0, 1, 1, 0, 1}, {".....", ".....", "....."}},
      {"move below the last row, then a run", 8, {0, 2, 0, 200, 1, 1}, {".....", ".....", "....."}},
      {"literal cut short after the last row",
       8,
       {5, 1, 0, 0, 5, 2, 0, 0, 5, 3, 0, 0, 0, 5, 1},
       {"33333", "22222", "11111"}},
      {"4-bit run and literals past the row end",
       4,
       {8, 0x12, 0, 0, 0, 9, 0x34, 0x56, 0x70, 0, 0, 0, 0, 0, 0, 6, 0xAB, 0xCD, 0xEF, 0, 0, 1},
       {"ABCDE", "34567", "12121"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_TRUE(ShowsPicture(ReadPicture(RunLengthFile(c.bits, c.pixels)), FromIndexes(c.expected)));
  }
}

// Rows coded to a multiple of four pixels, as some writers do: each row of this 97-pixel-wide
// picture is a run of 90 and a literal of 10 pixels, of which the last 3 (padding, 0) are dropped.
TEST(BmpReader, ReadsRowsCodedPastThePictureWidth) {
  const IndexedPicture palette = SampleIndexed(256);
  Bytes pixels;
  RgbImage expected = Black(97, 3);
  for (int row = 0; row < 3; ++row) {
    pixels.insert(pixels.end(), {90, static_cast<std::uint8_t>(row + 1), 0, 10});
    for (int i = 0; i < 10; ++i) pixels.push_back(static_cast<std::uint8_t>(i < 7 ? 10 * row + 10 + i : 0));
    pixels.insert(pixels.end(), {0, 0});
    for (int x = 0; x < 97; ++x) {
      SetPixel(expected, x, 2 - row, palette.colours[x < 90 ? row + 1 : 10 * row + x - 80]);
    }
  }
  pixels.insert(pixels.end(), {0, 1});
  EXPECT_TRUE(ShowsPicture(ReadPicture(RunLengthFile(8, pixels, 97)), expected));
}

TEST(BmpReader, RefusesRunLengthDataThatEndsBeforeTheLastRow) {
  ExpectFailures(
      [](const Bytes& file) { return ReadPicture(file); },
      {
          {"no end before the data ends", Rle8WithPixels({2, 1, 0, 0}), "damaged BMP file: compressed data ends early"},
          {"literal cut short", Rle8WithPixels({0, 5, 1, 2}), "damaged BMP file: compressed data ends early"},
          {"move cut short", Rle8WithPixels({0, 2, 1}), "damaged BMP file: compressed data ends early"},
      });
}

TEST(BmpReader, RefusesLyingHeaders) {
  const Bytes good = BmpFile(24);
  Bytes huge = good;
  WriteI32LE(&huge[18], 70000);
  WriteI32LE(&huge[22], 70000);
  Bytes top_down_minimum = good;
  WriteI32LE(&top_down_minimum[22], INT32_MIN);
  // The reader is called directly: detection already turns away some of these.
  ExpectFailures(
      ReadBmp,
      {
          {"70000 x 70000", huge, "picture too large: 70000 x 70000"},
          {"height of -2^31", top_down_minimum, "picture too large: 5 x 2147483648"},
          {"width 0", Patched(good, 18, {0, 0, 0, 0}), "damaged BMP file: picture size 0 x 3"},
          {"header longer than the file", Patched(good, 14, {0xFF, 0xFF, 0, 0}), "damaged BMP file: header truncated"},
          {"header size 8", Patched(good, 14, {8, 0, 0, 0}), "damaged BMP file: unknown header size 8"},
          {"pixels past the end", Patched(good, 10, {0xFF, 0xFF, 0, 0}), "damaged BMP file: no pixel data"},
          {"embedded JPEG", Patched(good, 30, {4}), "damaged BMP file: unsupported compression 4 at 24 bits per pixel"},
          {"run-length coded 24 bits", Patched(good, 30, {1}), "damaged BMP file: unsupported compression 1"},
          {"7 bits per pixel", Patched(good, 28, {7}), "damaged BMP file: unsupported compression 0 at 7 bits"},
      });
}

TEST(BmpReader, ToleratesMissingOffsetAndShortPalette) {
  // No pixel offset: the pixels follow the palette.
  EXPECT_TRUE(ShowsPicture(ReadPicture(Patched(BmpFile(8), 10, {0, 0, 0, 0})), SampleIndexed(256).Rgb()));
  // A palette of 2 colours for 4-bit indexes up to 15: the missing colours read as black.
  Bytes file = BmpFile(4);
  WriteU32LE(&file[46], 2);
  const IndexedPicture picture = SampleIndexed(16);
  RgbImage expected = picture.Rgb();
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) {
      if (picture.IndexAt(x, y) >= 2) SetPixel(expected, x, y, {0, 0, 0});
    }
  }
  EXPECT_TRUE(ShowsPicture(ReadPicture(file), expected));
}
