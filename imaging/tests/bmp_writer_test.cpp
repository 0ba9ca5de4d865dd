// The wallpaper file's bytes.
#include "imaging/bmp_writer.h"

#include <gtest/gtest.h>

#include <vector>

#include "imaging/tests/test_pictures.h"

TEST(EncodeBmp24, ThreeByTwoPictureByteForByte) {
  // Top row: red, green, blue; bottom row: white, black, (1, 2, 3).
  const std::uint8_t pixels[] = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255, 0, 0, 0, 1, 2, 3};
  RgbImage image = MakeImage(3, 2);
  image.pixels.assign(std::begin(pixels), std::end(pixels));

  const std::vector<std::uint8_t> expected = {
      'B', 'M', 78, 0, 0, 0,  // file size 54 + 2 rows of 12 bytes
      0, 0, 0, 0,             // reserved
      54, 0, 0, 0,            // pixel data offset
      40, 0, 0, 0,            // info header size
      3, 0, 0, 0,             // width
      2, 0, 0, 0,             // height, positive: bottom-up
      1, 0, 24, 0,            // planes, bits per pixel
      0, 0, 0, 0,             // no compression
      24, 0, 0, 0,            // image size
      0x13, 0x0B, 0, 0,       // 2835 pixels per metre
      0x13, 0x0B, 0, 0,
      0, 0, 0, 0,             // colours used
      0, 0, 0, 0,             // colours important
      255, 255, 255, 0, 0, 0, 3, 2, 1, 0, 0, 0,  // bottom row first, blue-green-red, padded
      0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0,  // top row
  };
  EXPECT_EQ(EncodeBmp24(image), expected);
}

TEST(EncodeBmp24, RowsOfFourPixelsNeedNoPadding) {
  const std::vector<std::uint8_t> file = EncodeBmp24(GreyPicture(4, 3, 9));
  ASSERT_EQ(file.size(), 54u + 36u);
  EXPECT_EQ(file[34], 36);  // image size
}

TEST(EncodeBmp24, EmptyOrBrokenPictureGivesNoFile) {
  EXPECT_TRUE(EncodeBmp24(RgbImage{}).empty());
  RgbImage broken = GreyPicture(3, 3, 1);
  broken.pixels.pop_back();
  EXPECT_TRUE(EncodeBmp24(broken).empty());
}
