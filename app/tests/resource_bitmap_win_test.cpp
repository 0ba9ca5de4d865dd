// Window bitmaps from picture resources: the requested size whatever the picture's own, the
// picture's content in the right place, and no bitmap for what is not there.
#include "app/resource_bitmap_win.h"

#include <gtest/gtest.h>

#include <vector>

#include "wallpaper/builtin_pictures_win.h"

namespace {

struct BitmapSize {
  int width = 0;
  int height = 0;
};

BitmapSize SizeOf(HBITMAP bitmap) {
  BITMAP info{};
  GetObjectA(bitmap, sizeof info, &info);
  return {info.bmWidth, info.bmHeight};
}

// The colour at (x, y) as red, green, blue.
COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(memory, bitmap);
  COLORREF colour = GetPixel(memory, x, y);
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return colour;
}

TEST(ResourceBitmapWinTest, TheTitlePictureCoversAnySize) {
  for (BitmapSize size :
       {BitmapSize{252, 150}, BitmapSize{336, 184}, BitmapSize{100, 300}, BitmapSize{40, 10}}) {
    const OwnedBitmap owned = LoadResourceBitmap("TITEL", "BITMAPI", size.width, size.height);
    ASSERT_TRUE(owned) << size.width << " x " << size.height;
    HBITMAP bitmap = owned.get();
    BitmapSize made = SizeOf(bitmap);
    EXPECT_EQ(made.width, size.width);
    EXPECT_EQ(made.height, size.height);
  }
}

TEST(ResourceBitmapWinTest, ThePictureKeepsItsLayout) {
  // The title picture is an evening sky above dark hills: blue at the top, dark at the bottom.
  const OwnedBitmap owned = LoadResourceBitmap("TITEL", "BITMAPI", 252, 150);
  ASSERT_TRUE(owned);
  HBITMAP bitmap = owned.get();
  COLORREF sky = PixelOf(bitmap, 5, 3);
  COLORREF hills = PixelOf(bitmap, 5, 146);
  EXPECT_GT(GetBValue(sky), GetRValue(sky));
  EXPECT_LT(GetRValue(hills) + GetGValue(hills) + GetBValue(hills),
            GetRValue(sky) + GetGValue(sky) + GetBValue(sky));
}

TEST(ResourceBitmapWinTest, APictureOfTheRequestedSizeIsTakenAsItIs) {
  const OwnedBitmap owned = LoadResourceBitmap("ICON_KAL", "BITMAPI", 32, 32);
  ASSERT_TRUE(owned);
  HBITMAP bitmap = owned.get();
  EXPECT_EQ(SizeOf(bitmap).width, 32);
  // Outside the calendar sheet the picture is black; the page is white.
  EXPECT_EQ(PixelOf(bitmap, 0, 31), RGB(0, 0, 0));
  EXPECT_EQ(PixelOf(bitmap, 16, 16) & 0xF0F0F0, 0xF0F0F0u);
}

TEST(ResourceBitmapWinTest, MissingOrUnreadableResourcesAndEmptySizesGiveNoBitmap) {
  EXPECT_FALSE(LoadResourceBitmap("NOT_THERE", "BITMAPI", 50, 50));
  EXPECT_FALSE(LoadResourceBitmap("TITEL", "BITMAPI", 0, 50));
  // The mask is a standard bitmap resource, not a picture of type BITMAPI.
  EXPECT_FALSE(LoadResourceBitmap("ICON_MSK", "BITMAPI", 32, 32));
  EXPECT_TRUE(ProgramResource("NOT_THERE", "BITMAPI").empty());
  EXPECT_FALSE(ProgramResource("TITEL", "BITMAPI").empty());
}

}  // namespace
