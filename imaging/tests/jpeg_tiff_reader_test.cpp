// The JPEG and TIFF readers: colour spaces, CMYK with and without the Adobe marker, DCT scaling by
// the ReadHint, and damaged or huge files.
#include <gtest/gtest.h>

#include "common/byte_order.h"
#include "imaging/picture_reader.h"
#include "imaging/tests/reader_test_support.h"

namespace {

RgbImage Flat(int width, int height, std::array<std::uint8_t, 3> colour) {
  RgbImage image = MakeImage(width, height);
  for (std::size_t i = 0; i < image.pixels.size(); ++i) image.pixels[i] = colour[i % 3];
  return image;
}

RgbImage Enlarged(const RgbImage& image, int factor) {
  RgbImage large = MakeImage(image.width * factor, image.height * factor);
  for (int y = 0; y < large.height; ++y) {
    for (int x = 0; x < large.width; ++x) std::copy_n(image.row(y / factor) + x / factor * 3, 3, large.row(y) + x * 3);
  }
  return large;
}

// The offset of the first marker `second` (after 0xFF) in a JPEG file.
std::size_t MarkerOffset(const Bytes& file, std::uint8_t second) {
  for (std::size_t i = 2; i + 1 < file.size(); ++i) {
    if (file[i] == 0xFF && file[i + 1] == second) return i;
  }
  return file.size();
}

}  // namespace

TEST(JpegReader, ReadsColourGreyAndCmyk) {
  EXPECT_TRUE(ShowsPicture(ReadPicture(JpegOfSample()), Enlarged(SampleColours(), 8), 3));
  EXPECT_TRUE(ShowsPicture(ReadPicture(JpegFile(16, 16, JpegKind::kGrey, {90})), Flat(16, 16, {90, 90, 90}), 1));
  // Plain CMYK: red = (255 - cyan) * (255 - black) / 255. Adobe writers store the inks inverted,
  // so there red = cyan * black / 255 of the stored values.
  const std::array<std::uint8_t, 4> inks = {40, 100, 200, 30};
  EXPECT_TRUE(ShowsPicture(ReadPicture(JpegFile(16, 16, JpegKind::kCmyk, inks)), Flat(16, 16, {190, 137, 49}), 2));
  EXPECT_TRUE(ShowsPicture(ReadPicture(JpegFile(16, 16, JpegKind::kCmykAdobe, inks)), Flat(16, 16, {5, 12, 24}), 2));
}

TEST(JpegReader, ScalesDownAsFarAsTheHintAllows) {
  const Bytes file = JpegFile(64, 48, JpegKind::kRgb, {30, 140, 220});
  struct Case {
    ReadHint hint;
    int width;
    int height;
  } cases[] = {
      {{0, 0}, 64, 48},  {{8, 6}, 8, 6},    {{8, 7}, 16, 12},   {{9, 6}, 16, 12},     {{16, 12}, 16, 12},
      {{17, 1}, 32, 24}, {{33, 1}, 64, 48}, {{64, 48}, 64, 48}, {{640, 480}, 64, 48}, {{8, 0}, 64, 48},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "hint " << c.hint.cover_width << " x " << c.hint.cover_height);
    EXPECT_TRUE(ShowsPicture(ReadPicture(file, c.hint), Flat(c.width, c.height, {30, 140, 220}), 3));
  }
}

TEST(JpegReader, RefusesDamageAndHugeSizes) {
  const Bytes good = JpegOfSample();
  const std::size_t frame = MarkerOffset(good, 0xC0);
  ASSERT_LT(frame + 9, good.size());
  EXPECT_TRUE(
      FailsWith(ReadPicture(Patched(good, frame + 5, {0xFD, 0xE8, 0xFD, 0xE8})), "picture too large: 65000 x 65000"));
  EXPECT_TRUE(FailsWith(ReadPicture(Patched(good, frame + 5, {0, 0})), "damaged JPEG file: "));
  // Data cut inside the scan: the library would fill the rest with grey.
  Bytes cut(good.begin(), good.begin() + (MarkerOffset(good, 0xDA) + good.size()) / 2);
  EXPECT_TRUE(FailsWith(ReadPicture(cut), "damaged JPEG file: "));
}

TEST(TiffReader, ReadsPlainAndLzwStrips) {
  for (bool lzw : {false, true}) {
    SCOPED_TRACE(lzw ? "LZW" : "uncompressed");
    Bytes file = TiffFile(lzw);
    EXPECT_EQ(DetectPictureFormat(file), PictureFormat::kTiff);
    EXPECT_TRUE(ShowsPicture(ReadPicture(file), SampleColours()));
  }
}

TEST(TiffReader, RefusesHugeSizesAndDamage) {
  Bytes file = TiffFile(false);
  // Find the width and height entries (tags 256 and 257) of the first directory and make them
  // 65535 pixels each.
  std::uint32_t directory = ReadU32LE(&file[4]);
  std::uint16_t entries = ReadU16LE(&file[directory]);
  for (std::uint16_t i = 0; i < entries; ++i) {
    std::uint8_t* entry = &file[directory + 2 + i * 12];
    std::uint16_t tag = ReadU16LE(entry);
    if (tag != 256 && tag != 257) continue;
    WriteU16LE(entry + 2, 4);  // LONG
    WriteU32LE(entry + 8, 65535);
  }
  EXPECT_TRUE(FailsWith(ReadPicture(file), "picture too large: 65535 x 65535"));
  const Bytes bad_directory = Patched(TiffFile(false), 4, {0xFF, 0xFF, 0xFF, 0x7F});
  EXPECT_TRUE(FailsWith(ReadPicture(bad_directory), "damaged TIFF file: "));
}
