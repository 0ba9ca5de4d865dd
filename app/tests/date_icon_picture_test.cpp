// The date icons' pictures: the fitting rule of the date font, and the day drawn in its colour
// inside its rectangle on the large icon's sheet and on the tray icon's square.
#include "app/date_icon_picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "imaging/pixel_ops.h"
#include "imaging/text.h"

namespace {

constexpr Colorref kSheetGrey = MakeColorref(200, 200, 200);

bool Fits(const char* text, int height, int width_limit, int height_limit) {
  TextExtent extent = MeasureTextLine(text, DateIconFont(height));
  return extent.width <= width_limit && extent.height <= height_limit;
}

// The smallest rectangle holding every pixel that differs from colour; empty when none does.
Rect PixelsNotOf(const RgbImage& image, Colorref colour) {
  Rect box{image.width, image.height, 0, 0};
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const std::uint8_t* p = image.row(y) + x * 3;
      if (p[0] == RedOf(colour) && p[1] == GreenOf(colour) && p[2] == BlueOf(colour)) continue;
      box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
    }
  }
  return box.empty() ? Rect{} : box;
}

bool Inside(const Rect& inner, const Rect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// The pixel that is most unlike the background, as the digits' strongest stroke.
const std::uint8_t* StrongestStroke(const RgbImage& image, Colorref background) {
  const std::uint8_t* strongest = image.pixels.data();
  int largest = -1;
  for (std::size_t i = 0; i + 2 < image.pixels.size(); i += 3) {
    const std::uint8_t* p = image.pixels.data() + i;
    int distance = std::abs(p[0] - RedOf(background)) + std::abs(p[1] - GreenOf(background)) +
                   std::abs(p[2] - BlueOf(background));
    if (distance > largest) largest = distance, strongest = p;
  }
  return strongest;
}

RgbImage Sheet() {
  RgbImage sheet = MakeImage(32, 32);
  FillRectangle(sheet, PictureBounds(sheet), kSheetGrey);
  return sheet;
}

TEST(DateIconPictureTest, TheFontIsOneStepSmallerThanTheFirstThatFits) {
  for (const char* day : {"1", "8", "18", "28", "31"}) {
    LogFont font = FitDateFont(day, -24, 20, 20);
    EXPECT_STREQ(font.face_name, "Verdana");
    EXPECT_EQ(font.weight, 600);
    EXPECT_EQ(font.quality, 4);
    ASSERT_GT(font.height, -24) << day;
    const int first_fitting = font.height - 1;
    EXPECT_TRUE(Fits(day, first_fitting, 20, 20)) << day << " at " << first_fitting;
    if (first_fitting > -24) {
      EXPECT_FALSE(Fits(day, first_fitting - 1, 20, 20)) << day;
    }
  }
}

TEST(DateIconPictureTest, AFontThatFitsAtOnceIsStillMadeOneStepSmaller) {
  EXPECT_EQ(FitDateFont("5", -16, 200, 200).height, -15);
}

TEST(DateIconPictureTest, TheFittingStopsAtTheSmallestCharacterHeight) {
  // Nothing fits into one pixel: the search ends at -1 instead of running into cell heights.
  EXPECT_EQ(FitDateFont("28", -24, 1, 1).height, -1);
}

TEST(DateIconPictureTest, TheLargeIconsDayLiesInsideItsRectangleInItsColour) {
  struct Case {
    int day;
    Colorref colour;
  };
  for (const Case& c : {Case{6, kWeekendDigitColour}, Case{28, kWeekendDigitColour}, Case{1, kWorkdayDigitColour},
                        Case{31, kWorkdayDigitColour}}) {
    RgbImage icon = Sheet();
    ASSERT_TRUE(DrawLargeDateIcon(icon, c.day, c.colour)) << c.day;
    Rect drawn = PixelsNotOf(icon, kSheetGrey);
    ASSERT_FALSE(drawn.empty()) << c.day;
    EXPECT_TRUE(Inside(drawn, kLargeDateIconDigits))
        << c.day << ": drawn " << drawn.left << "," << drawn.top << " - " << drawn.right << "," << drawn.bottom;
    // Two digits fill most of the rectangle's width.
    if (c.day >= 10) {
      EXPECT_GE(drawn.width(), 12) << c.day;
    }
    const std::uint8_t* stroke = StrongestStroke(icon, kSheetGrey);
    if (c.colour == kWeekendDigitColour) {
      EXPECT_GT(stroke[0], 200) << c.day;
      EXPECT_LT(stroke[1], 80) << c.day;
      EXPECT_LT(stroke[2], 80) << c.day;
    } else {
      EXPECT_LT(stroke[0] + stroke[1] + stroke[2], 150) << c.day;
    }
  }
}

TEST(DateIconPictureTest, TheSmallIconIsTheDayOnAFullSquareOfItsBackground) {
  RgbImage icon = DrawSmallDateIcon(24, 16, 16, kSmallDateIconBackground, kWeekendDigitColour);
  ASSERT_EQ(icon.width, 16);
  ASSERT_EQ(icon.height, 16);
  // The corners keep the background: the square is filled completely.
  for (int corner : {0, 15}) {
    const std::uint8_t* p = icon.row(corner) + corner * 3;
    EXPECT_EQ(p[0], 255);
    EXPECT_EQ(p[1], 255);
    EXPECT_EQ(p[2], 0);
  }
  Rect drawn = PixelsNotOf(icon, kSmallDateIconBackground);
  EXPECT_GE(drawn.width(), 8);
  // Centred: the margins left and right differ by a pixel or two at most.
  EXPECT_LE(std::abs(drawn.left - (16 - drawn.right)), 2);
  const std::uint8_t* stroke = StrongestStroke(icon, kSmallDateIconBackground);
  EXPECT_GT(stroke[0], 200);
  EXPECT_LT(stroke[1], 80);
}

TEST(DateIconPictureTest, WeekendsAreRedAndOtherDaysBlack) {
  EXPECT_EQ(DateDigitColour(0), kWeekendDigitColour);
  EXPECT_EQ(DateDigitColour(6), kWeekendDigitColour);
  for (int weekday = 1; weekday <= 5; ++weekday) EXPECT_EQ(DateDigitColour(weekday), kWorkdayDigitColour);
}

}  // namespace
