// The JPEG-2000 reader: codestreams and .jp2 files, grey, precisions other than 8 bits, subsampled
// sYCC, and reduced resolution levels chosen by the ReadHint.
#include <gtest/gtest.h>

#include <cmath>

#include "imaging/picture_reader.h"
#include "imaging/tests/reader_test_support.h"

namespace {

// Every 16 x 16 block of J2kExpected shrunk by factor, as a lower resolution level shows it. Away
// from block edges the colour is the block's; blocks shrunk below 4 pixels are all edge.
bool KeepsBlockColours(const PictureReadResult& result, const RgbImage& full, int factor) {
  int block = 16 / factor;
  if (block < 4) return true;
  for (int y = block / 2; y < result.image.height; y += block) {
    for (int x = block / 2; x < result.image.width; x += block) {
      for (int c = 0; c < 3; ++c) {
        int expected = full.row(y * factor)[x * factor * 3 + c];
        if (std::abs(result.image.row(y)[x * 3 + c] - expected) > 4) return false;
      }
    }
  }
  return true;
}

// The value a component of `precision` bits holding the 8-bit value v shows after reading.
int AfterPrecision(int value, int precision) {
  if (precision >= 8) return value;
  int stored = value >> (8 - precision);
  int max = (1 << precision) - 1;
  return (stored * 255 + max / 2) / max;
}

}  // namespace

TEST(Jpeg2000Reader, ReadsCodestreamsAndJp2FilesExactly) {
  struct Case {
    J2kKind kind;
    bool jp2;
    int precision;
  } cases[] = {{J2kKind::kRgb, false, 8},  {J2kKind::kRgb, true, 8},   {J2kKind::kGrey, false, 8},
               {J2kKind::kGrey, true, 12}, {J2kKind::kRgb, false, 16}, {J2kKind::kGrey, false, 4}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.kind == J2kKind::kRgb ? "RGB" : "grey") << (c.jp2 ? " .jp2" : " codestream")
                                    << ", " << c.precision << " bits");
    Bytes file = J2kFile(21, 18, c.kind, c.jp2, 3, c.precision);
    ASSERT_FALSE(file.empty());
    EXPECT_EQ(DetectPictureFormat(file), PictureFormat::kJpeg2000);
    RgbImage expected = J2kExpected(21, 18, c.kind);
    for (std::uint8_t& byte : expected.pixels) byte = static_cast<std::uint8_t>(AfterPrecision(byte, c.precision));
    EXPECT_TRUE(ShowsPicture(ReadPicture(file), expected));
    EXPECT_TRUE(ShowsPicture(ReadJpeg2000(file), expected));
  }
}

TEST(Jpeg2000Reader, StretchesSubsampledSyccToRgb) {
  // Luma as the grey picture, blue difference neutral, red difference +40 on half-size planes.
  Bytes file = J2kFile(21, 18, J2kKind::kYccSubsampled, true);
  RgbImage expected = J2kExpected(21, 18, J2kKind::kGrey);
  for (std::size_t i = 0; i < expected.pixels.size(); i += 3) {
    int luma = expected.pixels[i];
    expected.pixels[i] = static_cast<std::uint8_t>(std::lround(luma + 1.402 * 40));
    expected.pixels[i + 1] = static_cast<std::uint8_t>(std::lround(luma - 0.714136 * 40));
  }
  EXPECT_TRUE(ShowsPicture(ReadPicture(file), expected, 1));
}

TEST(Jpeg2000Reader, DropsResolutionLevelsAsFarAsTheHintAllows) {
  const RgbImage full = J2kExpected(64, 48, J2kKind::kRgb);
  struct Case {
    int resolutions;
    ReadHint hint;
    int width;
    int height;
  } cases[] = {
      {4, {0, 0}, 64, 48},   {4, {16, 12}, 16, 12}, {4, {8, 6}, 8, 6},   {4, {4, 3}, 8, 6},
      {4, {17, 12}, 32, 24}, {4, {33, 1}, 64, 48},  {2, {8, 6}, 32, 24}, {1, {8, 6}, 64, 48},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.resolutions << " levels, hint " << c.hint.cover_width << " x "
                                    << c.hint.cover_height);
    for (bool jp2 : {false, true}) {
      PictureReadResult result = ReadJpeg2000(J2kFile(64, 48, J2kKind::kRgb, jp2, c.resolutions), c.hint);
      ASSERT_TRUE(result.ok()) << result.error;
      EXPECT_EQ(result.image.width, c.width);
      EXPECT_EQ(result.image.height, c.height);
      EXPECT_TRUE(KeepsBlockColours(result, full, 64 / c.width));
    }
  }
}

TEST(Jpeg2000Reader, RefusesOtherDataAndHugeSizes) {
  EXPECT_TRUE(FailsWith(ReadJpeg2000(BmpFile(24)), "damaged JPEG-2000 file: "));
  EXPECT_TRUE(FailsWith(ReadJpeg2000(Bytes{}), "damaged JPEG-2000 file: "));
  // The size marker: image and tile size of 70000 x 70000.
  Bytes file = J2kFile(21, 18, J2kKind::kRgb, false);
  for (std::size_t at : {8, 12, 24, 28}) file = Patched(file, at, {0, 1, 0x11, 0x70});
  EXPECT_TRUE(FailsWith(ReadPicture(file), "picture too large: 70000 x 70000"));
}
