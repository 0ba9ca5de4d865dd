// The PSD and WBMP readers: modes, depths, PackBits rows and their overruns, lying sections and sizes.
#include <gtest/gtest.h>

#include "imaging/format_readers.h"
#include "imaging/picture_reader.h"
#include "imaging/tests/reader_test_support.h"

namespace {

// In PsdFile's RGB files the row size table follows the 26-byte header, the empty colour data
// section (4), the 12-byte resource section (16), the 4-byte layer section (8) and the compression.
constexpr std::size_t kRgbRowTable = 26 + 4 + 16 + 8 + 2;

}  // namespace

TEST(PsdReader, ReadsEveryModeDepthAndCompression) {
  struct Case {
    int mode;
    int depth;
  } cases[] = {{1, 8}, {1, 16}, {2, 8}, {3, 8}, {3, 16}, {4, 8}, {4, 16}};
  for (const Case& c : cases) {
    for (bool packbits : {false, true}) {
      SCOPED_TRACE(testing::Message() << "mode " << c.mode << ", " << c.depth << " bits"
                                      << (packbits ? ", PackBits" : ""));
      Bytes file = PsdFile(c.mode, c.depth, packbits);
      EXPECT_EQ(DetectPictureFormat(file), PictureFormat::kPsd);
      EXPECT_TRUE(ShowsPicture(ReadPicture(file), PsdExpected(c.mode)));
    }
  }
}

TEST(PsdReader, RefusesWhatItCannotShowAndLyingSections) {
  const Bytes good = PsdFile(3, 8, false);
  const std::size_t compression_at = good.size() - 4 * 3 * 5 - 2;
  ExpectFailures(
      ReadPsd,
      {
          {"large document format", Patched(good, 4, {0, 2}), "damaged PSD file: not a version 1 PSD file"},
          {"Lab colour", Patched(good, 24, {0, 9}), "damaged PSD file: unsupported colour mode 9 at 8 bits"},
          {"1-bit bitmap", Patched(good, 22, {0, 1, 0, 0}), "damaged PSD file: unsupported colour mode 0 at 1 bits"},
          {"16-bit indexed", Patched(PsdFile(2, 8, false), 22, {0, 16}),
           "damaged PSD file: unsupported colour mode 2 at 16"},
          {"RGB in 2 channels", Patched(good, 12, {0, 2}), "damaged PSD file: too few channels"},
          {"ZIP compression", Patched(good, compression_at, {0, 2}), "damaged PSD file: unsupported compression 2"},
          {"colour data past the end", Patched(good, 26, {0x7F, 0, 0, 0}), "damaged PSD file: sections truncated"},
          {"70000 x 70000", Patched(good, 14, {0, 1, 0x11, 0x70, 0, 1, 0x11, 0x70}),
           "picture too large: 70000 x 70000"},
          {"no indexed colour table", Patched(good, 24, {0, 2}), "damaged PSD file: colour table missing"},
      });
}

TEST(PsdReader, RefusesPackBitsRowsThatOverrunOrEndEarly) {
  const Bytes good = PsdFile(3, 8, true);
  const std::size_t rows = 4 * 3;
  const std::size_t table = kRgbRowTable;
  const std::size_t first_row = table + rows * 2;
  // A repeat of 17 bytes into a row of 5.
  EXPECT_TRUE(FailsWith(ReadPsd(Patched(good, first_row, {0xF0})), "damaged PSD file: run beyond the end of a row"));
  // The first row's size says 1 byte: a literal count with nothing after it.
  Bytes short_row = Patched(good, table, {0, 1});
  EXPECT_TRUE(FailsWith(ReadPsd(short_row), "damaged PSD file: row data ends early"));
}

TEST(WbmpReader, ReadsBlackAndWhiteAndMultiByteSizes) {
  EXPECT_EQ(DetectPictureFormat(WbmpFile()), PictureFormat::kWbmp);
  EXPECT_TRUE(ShowsPicture(ReadPicture(WbmpFile()), SampleIndexed(2).Rgb()));
  // 200 x 1 pixels: 200 = 1 * 128 + 72; the first 8 pixels white, the rest black.
  Bytes wide = {0, 0, 0x81, 0x48, 1, 0xFF};
  wide.resize(wide.size() + 24, 0);
  PictureReadResult result = ReadPicture(wide);
  ASSERT_TRUE(result.ok()) << result.error;
  EXPECT_EQ(result.image.width, 200);
  EXPECT_EQ(result.image.row(0)[7 * 3], 255);
  EXPECT_EQ(result.image.row(0)[8 * 3], 0);
}

TEST(WbmpReader, RefusesOtherTypesAndLyingSizes) {
  struct Case {
    const char* what;
    Bytes file;
    const char* error;
  } cases[] = {
      {"type 1", {1, 0, 5, 3, 0, 0, 0}, "damaged WBMP file: invalid header"},
      {"extension headers", {0, 0x80, 5, 3, 0, 0, 0}, "damaged WBMP file: invalid header"},
      {"zero width", {0, 0, 0, 3, 0, 0, 0}, "damaged WBMP file: invalid header"},
      {"five-byte size", {0, 0, 0x81, 0x81, 0x81, 0x81, 0x01, 3}, "damaged WBMP file: invalid header"},
      {"70000 x 70000", {0, 0, 0x84, 0xA2, 0x70, 0x84, 0xA2, 0x70, 0}, "picture too large: 70000 x 70000"},
      {"rows missing", {0, 0, 5, 3, 0, 0}, "damaged WBMP file: pixel data truncated"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_TRUE(FailsWith(ReadWbmp(c.file), c.error));
    EXPECT_NE(DetectPictureFormat(c.file), PictureFormat::kWbmp);
  }
}
