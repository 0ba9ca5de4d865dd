// The month overlay: one number per day of the month, weekends and the region's holidays red,
// today on a yellow box, the font shrunk until the line fits, and the title and the line placed
// from the bottom of the work area. The drawn picture is read back pixel by pixel.
#include "wallpaper/month_overlay.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "calendar/date_arithmetic.h"
#include "imaging/tests/test_pictures.h"
#include "imaging/text.h"
#include "settings/settings.h"

namespace {

constexpr int kBackground = 100;

LocalTime Today(int day, int month, int year) {
  return WithWeekday(LocalTime{.day = day, .month = month, .year = year, .hour = 12});
}

LogFont FontOfHeight(int height) {
  LogFont font = DefaultCalendarFont();
  font.height = height;
  return font;
}

int Width(const char* text, const LogFont& font) { return MeasureTextLine(text, font).width; }

int LineWidth(int days, const LogFont& font) {
  int sum = 0;
  for (int day = 1; day <= days; ++day) {
    char text[16];
    std::snprintf(text, sizeof text, " %d ", day);
    sum += Width(text, font);
  }
  return sum;
}

int DayLineTop(int work_area_bottom, int height) {
  return work_area_bottom - std::abs(static_cast<int>(height * 3.5)) +
         std::abs(static_cast<int>(height * 1.5));
}

bool IsYellow(const std::uint8_t* p) { return p[0] == 255 && p[1] == 255 && p[2] == 32; }
bool IsBackground(const std::uint8_t* p) {
  return p[0] == kBackground && p[1] == kBackground && p[2] == kBackground;
}
bool IsRed(const std::uint8_t* p) { return p[0] > 160 && p[1] < 100 && p[2] < 100; }
bool IsWhite(const std::uint8_t* p) { return p[0] > 200 && p[1] > 200 && p[2] > 200 && !IsYellow(p); }
bool IsDark(const std::uint8_t* p) { return p[0] < 70 && p[1] < 70 && p[2] < 70; }

// One drawn day number: the columns its ink covers and how many of its pixels are red or white.
struct DrawnNumber {
  int first = 0;
  int last = 0;
  int red = 0;
  int white = 0;
  bool Red() const { return red > white; }
};

// The day numbers in the rows top ... bottom - 1: runs of columns with ink (anything but the
// background and the yellow box), separated by at least min_gap empty columns.
std::vector<DrawnNumber> NumbersIn(const RgbImage& image, int top, int bottom, int min_gap) {
  std::vector<DrawnNumber> numbers;
  int empty_run = min_gap;
  for (int x = 0; x < image.width; ++x) {
    DrawnNumber column;
    bool ink = false;
    for (int y = top; y < bottom; ++y) {
      const std::uint8_t* p = image.row(y) + x * 3;
      if (IsBackground(p) || IsYellow(p)) continue;
      ink = true;
      column.red += IsRed(p);
      column.white += IsWhite(p);
    }
    if (!ink) {
      ++empty_run;
      continue;
    }
    if (empty_run >= min_gap) numbers.push_back(DrawnNumber{x, x, 0, 0});
    empty_run = 0;
    numbers.back().last = x;
    numbers.back().red += column.red;
    numbers.back().white += column.white;
  }
  return numbers;
}

Rect YellowBox(const RgbImage& image) {
  Rect box{image.width, image.height, -1, -1};
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      if (!IsYellow(image.row(y) + x * 3)) continue;
      box.left = std::min(box.left, x);
      box.top = std::min(box.top, y);
      box.right = std::max(box.right, x + 1);
      box.bottom = std::max(box.bottom, y + 1);
    }
  }
  return box;
}

class MonthOverlayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_GT(Width(" 1 ", FontOfHeight(-30)), 0) << "no font for the calendar";
  }

  // Draws the month of today on a grey 1600 x 300 screen in font_; drawn_height_ is the height the
  // font was fitted to.
  RgbImage Draw(const LocalTime& today, int region, int width = 1600) {
    RgbImage screen = GreyPicture(width, 300, kBackground);
    const MonthOverlay overlay{.font = font_,
                               .region = region,
                               .work_area_bottom = 290,
                               .today = today,
                               .month_name = MonthName(today.month, TextTable())};
    drawn_height_ = DrawMonthOverlay(screen, overlay);
    return screen;
  }

  std::vector<DrawnNumber> DayNumbers(const RgbImage& screen) {
    int top = DayLineTop(290, font_.height);
    int height = MeasureTextLine(" 1 ", font_).height;
    // Within a number the digits stand a few pixels apart; between numbers lie two spaces.
    return NumbersIn(screen, top, std::min(screen.height, top + height), Width(" ", font_) + 4);
  }

  LogFont font_ = FontOfHeight(-30);
  int drawn_height_ = 0;
};

TEST_F(MonthOverlayTest, OneNumberForEveryDayOfTheMonth) {
  struct Case {
    int month, year, days;
  } cases[] = {{2, 2007, 28}, {2, 2008, 29}, {4, 2007, 30}, {7, 2007, 31}, {12, 2006, 31}};
  for (const Case& c : cases) {
    RgbImage screen = Draw(Today(20, c.month, c.year), 0);
    EXPECT_EQ(DayNumbers(screen).size(), static_cast<std::size_t>(c.days)) << c.month << "/" << c.year;
  }
}

TEST_F(MonthOverlayTest, WeekendsRedAndTodayOnAYellowBox) {
  // 7 July 2007 is a Saturday; the 1st a Sunday.
  RgbImage screen = Draw(Today(7, 7, 2007), 0);
  auto numbers = DayNumbers(screen);
  ASSERT_EQ(numbers.size(), 31u);
  for (int day = 1; day <= 31; ++day) {
    int weekday = WeekdayOf(day, 7, 2007);
    EXPECT_EQ(numbers[day - 1].Red(), weekday == 0 || weekday == 6) << day;
  }
  Rect box = YellowBox(screen);
  ASSERT_FALSE(box.empty());
  EXPECT_EQ(box.top, DayLineTop(290, font_.height) - 2);
  // The box holds the 7th, drawn red.
  EXPECT_LE(box.left, numbers[6].first);
  EXPECT_GE(box.right, numbers[6].last);
  EXPECT_GT(box.left, numbers[5].last);
  EXPECT_GT(numbers[6].red, 0);
}

TEST_F(MonthOverlayTest, OrdinaryTodayIsNearBlackOnYellow) {
  RgbImage screen = Draw(Today(4, 7, 2007), 0);  // a Wednesday
  Rect box = YellowBox(screen);
  ASSERT_FALSE(box.empty());
  int dark = 0, red = 0;
  for (int y = box.top; y < box.bottom; ++y) {
    for (int x = box.left; x < box.right; ++x) {
      const std::uint8_t* p = screen.row(y) + x * 3;
      dark += IsDark(p);
      red += IsRed(p);
    }
  }
  EXPECT_GT(dark, 20);
  EXPECT_EQ(red, 0);
  EXPECT_FALSE(DayNumbers(screen)[3].Red());
}

TEST_F(MonthOverlayTest, HolidaysOfTheRegionAreRed) {
  // 15 August 2007, a Wednesday, is a public holiday in Bayern (region 2) only.
  auto without_region = DayNumbers(Draw(Today(1, 8, 2007), 0));
  auto bayern = DayNumbers(Draw(Today(1, 8, 2007), 2));
  ASSERT_EQ(without_region.size(), 31u);
  ASSERT_EQ(bayern.size(), 31u);
  EXPECT_FALSE(without_region[14].Red());
  EXPECT_TRUE(bayern[14].Red());
  for (int day = 1; day <= 31; ++day) {
    int weekday = WeekdayOf(day, 8, 2007);
    EXPECT_EQ(without_region[day - 1].Red(), weekday == 0 || weekday == 6) << day;
  }
}

TEST_F(MonthOverlayTest, LineAndTitleStandAboveTheWorkAreaBottom) {
  for (int height : {-30, -25}) {
    font_ = FontOfHeight(height);
    RgbImage screen = Draw(Today(1, 7, 2007), 0);
    Rect box = YellowBox(screen);
    ASSERT_FALSE(box.empty()) << height;
    EXPECT_EQ(box.top, DayLineTop(290, height) - 2) << height;
    // The line is centred: it starts at (W - (sum - two spaces)) / 2 - 1.
    int row = LineWidth(31, font_) - Width("  ", font_);
    EXPECT_EQ(box.left, (1600 - row) / 2 - 1) << height;
    EXPECT_EQ(box.bottom, box.top + 2 + MeasureTextLine(" 1 ", font_).height + 2) << height;

    // The title "Juli 2007": white ink between its top and the line, centred.
    int title_top = 290 - std::abs(static_cast<int>(height * 3.5));
    auto title = NumbersIn(screen, title_top, DayLineTop(290, height) - 2, 1000);
    ASSERT_EQ(title.size(), 1u) << height;
    EXPECT_GT(title[0].white, 0);
    EXPECT_NEAR((title[0].first + title[0].last) / 2, 800, 6) << height;
  }
}

TEST_F(MonthOverlayTest, FontShrinksUntilTheLineFitsAndTheFittedHeightIsReturned) {
  font_ = FontOfHeight(-30);
  RgbImage screen = Draw(Today(10, 1, 2007), 0, 700);
  const int fitted = drawn_height_;
  EXPECT_EQ(font_.height, -30);  // the caller's font is left alone
  EXPECT_GT(fitted, -30);
  EXPECT_LT(fitted, 0);
  EXPECT_LE(Width("       ", FontOfHeight(-30)) + LineWidth(31, FontOfHeight(fitted)), 700);
  // One step larger would not have fitted (seven spaces are measured once, in the first height).
  EXPECT_GT(Width("       ", FontOfHeight(-30)) + LineWidth(31, FontOfHeight(fitted - 1)), 700);
  // The line is drawn in the lowered font and fits the screen.
  Rect box = YellowBox(screen);
  EXPECT_EQ(box.top, DayLineTop(290, fitted) - 2);
  EXPECT_GE(box.left, 0);
}

TEST_F(MonthOverlayTest, TinyHeightsAreRaisedToSeven) {
  struct Case {
    int before, after;
  } cases[] = {{-3, -7}, {-1, -7}, {-6, -7}, {0, 7}, {6, 7}, {-8, -8}, {-7, -7}, {7, 7}, {9, 9}};
  for (const Case& c : cases) {
    font_ = FontOfHeight(c.before);
    Draw(Today(10, 1, 2007), 0, 4000);
    EXPECT_EQ(drawn_height_, c.after) << c.before;
  }
}

TEST_F(MonthOverlayTest, ScreenTooNarrowForAnyFontEndsAtHeightZero) {
  font_ = FontOfHeight(-12);
  Draw(Today(10, 1, 2007), 0, 20);
  EXPECT_EQ(drawn_height_, 0);
}

TEST_F(MonthOverlayTest, DayNumberAdvanceAndRightAlignment) {
  RgbImage screen = GreyPicture(300, 100, kBackground);
  int advance = DrawDayNumber(screen, font_, 5, false, false, 10, 20, false);
  EXPECT_EQ(advance, Width(" 5 ", font_));
  auto left_aligned = NumbersIn(screen, 0, 100, 5);

  RgbImage aligned = GreyPicture(300, 100, kBackground);
  EXPECT_EQ(DrawDayNumber(aligned, font_, 5, true, false, 10, 20, true), advance);
  auto right_aligned = NumbersIn(aligned, 0, 100, 5);
  ASSERT_EQ(left_aligned.size(), 1u);
  ASSERT_EQ(right_aligned.size(), 1u);
  // Right aligned, " 5 " ends where " 99 " would end.
  EXPECT_EQ(right_aligned[0].first - left_aligned[0].first, Width(" 99 ", font_) - advance);
  EXPECT_FALSE(left_aligned[0].Red());
  EXPECT_TRUE(right_aligned[0].Red());
}

}  // namespace
