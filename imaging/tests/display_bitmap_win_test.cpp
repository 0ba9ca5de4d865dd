// Pixel buffers become display bitmaps showing the same colours.
#include "imaging/display_bitmap_win.h"

#include <gtest/gtest.h>

#include <vector>

#include "imaging/tests/test_pictures.h"

TEST(ImageToDisplayBitmap, ShowsThePicturesPixels) {
  const RgbImage picture = PictureOf(5, 3, [](int x, int y, int c) { return c == 0 ? 40 * x : c == 1 ? 100 * y : 77; });
  const ScreenDc screen;
  ASSERT_NE(screen.get(), nullptr);
  const OwnedBitmap bitmap = ImageToDisplayBitmap(picture, screen.get());
  ASSERT_TRUE(bitmap);

  BITMAP shape{};
  EXPECT_NE(GetObjectA(bitmap.get(), sizeof shape, &shape), 0);
  EXPECT_EQ(shape.bmWidth, 5);
  EXPECT_EQ(shape.bmHeight, 3);

  // Read back as top-down 24-bit DIB rows.
  BITMAPINFO info = TopDownDibInfo(5, 3);
  std::vector<std::uint8_t> rows(DibRowBytes(5) * 3);
  EXPECT_EQ(GetDIBits(screen.get(), bitmap.get(), 0, 3, rows.data(), &info, DIB_RGB_COLORS), 3);
  if (GetDeviceCaps(screen.get(), BITSPIXEL) < 24) GTEST_SKIP() << "the screen has too few colours to compare bytes";
  RgbImage back = MakeImage(5, 3);
  CopyFromDibRows(rows.data(), back, PictureBounds(back));
  EXPECT_EQ(back.pixels, picture.pixels);
}

TEST(ImageToDisplayBitmap, EmptyPictureGivesNone) {
  const ScreenDc screen;
  EXPECT_FALSE(ImageToDisplayBitmap(RgbImage{}, screen.get()));
  RgbImage broken = MakeImage(4, 4);
  broken.pixels.resize(5);
  EXPECT_FALSE(ImageToDisplayBitmap(broken, screen.get()));
}
