// Resampling: exact sizes, exact area averages when shrinking, smooth and faithful growth.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "imaging/pixel_ops.h"
#include "imaging/tests/test_pictures.h"

namespace {

struct Scaling {
  int width, height, new_width, new_height;
};

}  // namespace

TEST(Resample, ConstantPictureStaysConstantAtEverySize) {
  const Scaling cases[] = {
      {64, 48, 32, 24},  {64, 48, 23, 17},  {17, 13, 64, 48}, {40, 10, 13, 30},
      {10, 40, 30, 13},  {1, 1, 50, 20},    {300, 200, 1, 1}, {5, 5, 5, 5},
      {5, 1, 1, 7},      {1000, 2, 3, 2},
  };
  for (const Scaling& s : cases) {
    SCOPED_TRACE(testing::Message() << s.width << "x" << s.height << " -> " << s.new_width << "x" << s.new_height);
    const RgbImage scaled = Resample(PictureOf(s.width, s.height, [](int, int, int c) { return 37 + 90 * c; }),
                                     s.new_width, s.new_height);
    ASSERT_EQ(scaled.width, s.new_width);
    ASSERT_EQ(scaled.height, s.new_height);
    ASSERT_EQ(scaled.pixels.size(), static_cast<std::size_t>(s.new_width) * s.new_height * 3);
    for (int y = 0; y < scaled.height; ++y) {
      for (int x = 0; x < scaled.width; ++x) {
        ASSERT_EQ(Channel(scaled, x, y, 0), 37);
        ASSERT_EQ(Channel(scaled, x, y, 1), 127);
        ASSERT_EQ(Channel(scaled, x, y, 2), 217);
      }
    }
  }
}

TEST(Resample, HalvingACheckerboardAveragesEachBlock) {
  const RgbImage board = PictureOf(40, 30, [](int x, int y, int) { return (x + y) % 2 ? 50 : 10; });
  const RgbImage half = Resample(board, 20, 15);
  ASSERT_EQ(half.width, 20);
  for (std::uint8_t byte : half.pixels) ASSERT_EQ(byte, 30);

  // 127.5 rounds up.
  const RgbImage black_white = PictureOf(8, 8, [](int x, int y, int) { return (x + y) % 2 ? 255 : 0; });
  for (std::uint8_t byte : Resample(black_white, 4, 4).pixels) ASSERT_EQ(byte, 128);
}

TEST(Resample, ShrinkingWeighsSourcePixelsByTheAreaTheyCover) {
  // Five pixels into two: each new pixel covers two and a half old ones.
  const int values[] = {0, 50, 100, 150, 200};
  const RgbImage row = PictureOf(5, 1, [&](int x, int, int) { return values[x]; });
  const RgbImage narrow = Resample(row, 2, 1);
  EXPECT_EQ(Channel(narrow, 0, 0), 40);   // (0 + 50 + 100 / 2) / 2.5
  EXPECT_EQ(Channel(narrow, 1, 0), 160);  // (100 / 2 + 150 + 200) / 2.5

  const RgbImage column = PictureOf(1, 5, [&](int, int y, int) { return values[y]; });
  const RgbImage low = Resample(column, 1, 2);
  EXPECT_EQ(Channel(low, 0, 0), 40);
  EXPECT_EQ(Channel(low, 0, 1), 160);
}

TEST(Resample, ALargePictureShrunkToOnePixelIsItsMean) {
  // Columns 0 ... 255 repeated four times, rows alike: the mean is 127.5 in red; blue follows y.
  const RgbImage ramp = PictureOf(1024, 200, [](int x, int y, int c) { return c == 2 ? y : x % 256; });
  const RgbImage dot = Resample(ramp, 1, 1);
  ASSERT_EQ(dot.width, 1);
  EXPECT_NEAR(Channel(dot, 0, 0, 0), 127.5, 0.5);
  EXPECT_NEAR(Channel(dot, 0, 0, 2), 99.5, 0.5);
}

TEST(Resample, GrowingARampIsMonotoneAndKeepsItsEnds) {
  const RgbImage ramp = PictureOf(6, 5, [](int x, int y, int c) { return c == 0 ? 20 + 40 * x : 10 + 50 * y; });
  const RgbImage grown = Resample(ramp, 61, 47);
  for (int y = 0; y < grown.height; ++y) {
    for (int x = 1; x < grown.width; ++x) ASSERT_LE(Channel(grown, x - 1, y, 0), Channel(grown, x, y, 0));
  }
  for (int x = 0; x < grown.width; ++x) {
    for (int y = 1; y < grown.height; ++y) ASSERT_LE(Channel(grown, x, y - 1, 1), Channel(grown, x, y, 1));
  }
  EXPECT_EQ(Channel(grown, 0, 0, 0), 20);
  EXPECT_EQ(Channel(grown, 60, 0, 0), 220);
  EXPECT_EQ(Channel(grown, 0, 46, 1), 210);
}

TEST(Resample, GrowingThreefoldPassesThroughTheSourcePixels) {
  // Pixel centres line up: new pixel 3k + 1 sits exactly on old pixel k.
  const int values[] = {0, 200, 30, 255, 90};
  const RgbImage row = PictureOf(5, 2, [&](int x, int, int) { return values[x]; });
  const RgbImage wide = Resample(row, 15, 6);
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(Channel(wide, 3 * k + 1, 0), values[k]);
    EXPECT_EQ(Channel(wide, 3 * k + 1, 5), values[k]);
  }
  // Between a dark and a bright pixel the curve lies between them.
  EXPECT_GT(Channel(wide, 2, 0), 0);
  EXPECT_LT(Channel(wide, 2, 0), 200);
}

TEST(Resample, SameSizeCopiesThePixels) {
  const RgbImage noise = PictureOf(7, 5, [](int x, int y, int c) { return (x * 71 + y * 13 + c * 101) % 256; });
  EXPECT_EQ(Resample(noise, 7, 5).pixels, noise.pixels);
}

TEST(Resample, RefusesSizesThatAreNotAllowedAndBrokenPictures) {
  const RgbImage grey = GreyPicture(4, 4, 9);
  EXPECT_TRUE(Resample(grey, 0, 4).empty());
  EXPECT_TRUE(Resample(grey, 4, -1).empty());
  EXPECT_TRUE(Resample(grey, kMaxPictureSide + 1, 1).empty());
  EXPECT_TRUE(Resample(RgbImage{}, 4, 4).empty());
  RgbImage short_buffer = grey;
  short_buffer.pixels.resize(10);
  EXPECT_TRUE(Resample(short_buffer, 8, 8).empty());
}
