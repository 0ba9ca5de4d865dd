// The information text about today.
#include "calendar/today_info.h"

#include <string>

#include <gtest/gtest.h>

#include "calendar/clock.h"
#include "texts/text_table.h"

namespace {

class TodayInfoTest : public testing::Test {
 protected:
  std::string InfoTextOn(int day, int month, int year, int region, std::size_t capacity = 400) {
    char text[400];
    TodayInfoText(text, capacity, WithWeekday(LocalTime{.day = day, .month = month, .year = year}), region,
                  TextTable());
    return text;
  }
};

TEST_F(TodayInfoTest, DayWithoutNamesStartsWithTheDayOfTheYear) {
  EXPECT_EQ(InfoTextOn(26, 3, 2005, 0), "85. Tag im Jahr\n12. Kalenderwoche\n");
}

TEST_F(TodayInfoTest, NamesComeFirstFollowedByABlankLine) {
  EXPECT_EQ(InfoTextOn(25, 3, 2007, 0),
            "Mariä Verkündung \r\nBeginn der Sommerzeit \r\nJudika\n\n"
            "84. Tag im Jahr\n12. Kalenderwoche\n");
}

TEST_F(TodayInfoTest, NamesFollowTheRegion) {
  EXPECT_EQ(InfoTextOn(8, 3, 2023, 8), "Internationaler Frauentag\n\n67. Tag im Jahr\n10. Kalenderwoche\n");
  EXPECT_EQ(InfoTextOn(8, 3, 2023, 0), "67. Tag im Jahr\n10. Kalenderwoche\n");
}

TEST_F(TodayInfoTest, WeekNumberOfTheYearBefore) {
  EXPECT_EQ(InfoTextOn(2, 1, 2010, 0), "2. Tag im Jahr\n53. Kalenderwoche\n");
}

TEST_F(TodayInfoTest, TruncatesAtCapacity) {
  EXPECT_EQ(InfoTextOn(25, 3, 2007, 0, 10), "Mariä Ver");
  EXPECT_EQ(InfoTextOn(26, 3, 2005, 0, 20), "85. Tag im Jahr\n12.");
  EXPECT_EQ(InfoTextOn(26, 3, 2005, 0, 1), "");
}

TEST(ClockTest, WithWeekdayFillsInTheWeekdayOfTheDate) {
  EXPECT_EQ(WithWeekday(LocalTime{.day = 1, .month = 1, .year = 2007}).weekday, 1);
  EXPECT_EQ(WithWeekday(LocalTime{.day = 25, .month = 12, .year = 2011, .weekday = 4}).weekday, 0);
}

}  // namespace
