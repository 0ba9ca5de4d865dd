// The date icons as Windows icons: the day's colour inside the sheet's rectangle, the mask of the
// sheet, the opaque tray icon, and the moon phase icons in every size.
#include "app/date_icon_win.h"

#include <gtest/gtest.h>

#include "app/date_icon_picture.h"
#include "app/tests/icon_pixels_win.h"

namespace {

TEST(DateIconWinTest, RedDigitsOnSaturdaysAndBlackDigitsOnFridays) {
  // 5 December 2026 is a Saturday, 4 December a Friday.
  const OwnedIcon saturday = MakeDateIcon(5, DateDigitColour(6));
  const OwnedIcon friday = MakeDateIcon(4, DateDigitColour(5));
  ASSERT_TRUE(saturday);
  ASSERT_TRUE(friday);
  IconPixels red = ReadIconPixels(saturday.get());
  IconPixels black = ReadIconPixels(friday.get());
  ASSERT_EQ(red.colour.width, 32);
  ASSERT_EQ(red.colour.height, 32);
  DigitCount on_saturday = CountDigitPixels(red.colour, kLargeDateIconDigits);
  DigitCount on_friday = CountDigitPixels(black.colour, kLargeDateIconDigits);
  EXPECT_GE(on_saturday.red, 8);
  EXPECT_EQ(on_saturday.dark, 0);
  EXPECT_GE(on_friday.dark, 8);
  EXPECT_EQ(on_friday.red, 0);
}

TEST(DateIconWinTest, TheSheetIsOpaqueAndItsSurroundingsTransparent) {
  const OwnedIcon icon = MakeDateIcon(17, kWorkdayDigitColour);
  ASSERT_TRUE(icon);
  IconPixels pixels = ReadIconPixels(icon.get());
  ASSERT_EQ(pixels.mask.width, 32);
  auto mask_at = [&](int x, int y) { return pixels.mask.row(y)[x * 3]; };
  EXPECT_EQ(mask_at(0, 31), 255);  // outside the sheet: the screen shows through
  EXPECT_EQ(mask_at(31, 0), 255);
  EXPECT_EQ(mask_at(16, 16), 0);   // the page
  EXPECT_EQ(mask_at(9, 1), 0);     // a binding ring above the sheet
  // Where the screen shows through, the colour bitmap is black, so nothing is mixed into it.
  const std::uint8_t* corner = pixels.colour.row(31);
  EXPECT_EQ(corner[0] + corner[1] + corner[2], 0);
}

TEST(DateIconWinTest, TheSmallIconIsAnOpaqueYellowSquareOfTheRequestedSize) {
  const OwnedIcon icon = MakeSmallDateIcon(24, 16, 16, kSmallDateIconBackground, kWeekendDigitColour);
  ASSERT_TRUE(icon);
  IconPixels pixels = ReadIconPixels(icon.get());
  ASSERT_EQ(pixels.colour.width, 16);
  ASSERT_EQ(pixels.colour.height, 16);
  for (std::uint8_t bit : pixels.mask.pixels) ASSERT_EQ(bit, 0);
  const std::uint8_t* corner = pixels.colour.row(0);
  EXPECT_EQ(corner[0], 255);
  EXPECT_EQ(corner[1], 255);
  EXPECT_EQ(corner[2], 0);
  EXPECT_GE(CountDigitPixels(pixels.colour, {0, 0, 16, 16}).red, 4);
}

TEST(DateIconWinTest, EveryMoonPhaseIconIsThereInEachSize) {
  for (int phase = 0; phase < 8; ++phase) {
    char name[8] = "MOND0";
    name[4] = static_cast<char>('0' + phase);
    for (int size : {16, 32, 48}) {
      auto icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_ICON, size, size, 0));
      ASSERT_NE(icon, nullptr) << name << " " << size;
      IconPixels pixels = ReadIconPixels(icon);
      EXPECT_EQ(pixels.colour.width, size) << name;
      DestroyIcon(icon);
    }
  }
  // MoonIcon picks the phase of the date: full moon on 24 December 2026 (an age of about 14 days).
  EXPECT_EQ(MoonIcon(24, 12, 2026, 32), static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), "MOND4", IMAGE_ICON, 32, 32,
                                                                      LR_SHARED)));
}

TEST(DateIconWinTest, TheWindowAndButtonIconsAreThere) {
  for (const char* name : {"APP_ICON", "UHR", "WECKER", "ZETTEL", "CONFIG", "DESKTOP", "HOTKEYS", "NOTE_NEW",
                           "NOTE_NEW_OFF", "NOTE_BACK", "NOTE_BACK_OFF", "NOTE_FORW", "NOTE_FORW_OFF", "NOTE_DEL",
                           "NOTE_DEL_OFF", "NOTE_RO", "NOTE_RO_OFF", "NOTE_EDIT", "NOTE_HELP", "NOTE_EXIT"}) {
    auto icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_ICON, 32, 32, 0));
    EXPECT_NE(icon, nullptr) << name;
    if (icon != nullptr) DestroyIcon(icon);
  }
}

}  // namespace
