// Date arithmetic: the named cases of each function, the two-digit years, and the moon age on both
// sides of 1 March 2034.
#include "calendar/date_arithmetic.h"

#include <gtest/gtest.h>

#include "calendar/tests/reference_calendar.h"

namespace {

struct DateCase {
  int day;
  int month;
  int year;
  int expected;
};

TEST(DateArithmeticTest, DaysInMonth) {
  struct Case {
    int month;
    int year;
    int expected;
  };
  const Case cases[] = {
      {2, 2000, 29}, {2, 2008, 29}, {2, 1900, 28}, {2, 2007, 28}, {2, 1600, 29}, {1, 2007, 31},
      {4, 2007, 30}, {6, 2007, 30}, {9, 2007, 30}, {11, 2007, 30}, {12, 2007, 31}, {0, 2007, 0},
      {13, 2007, 0}, {-1, 2007, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DaysInMonth(c.month, c.year), c.expected) << c.month << "/" << c.year;
  }
}

TEST(DateArithmeticTest, IsLeapYear) {
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_TRUE(IsLeapYear(2008));
  EXPECT_TRUE(IsLeapYear(1600));
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_FALSE(IsLeapYear(1700));
  EXPECT_FALSE(IsLeapYear(2007));
}

TEST(DateArithmeticTest, DayOfYear) {
  const DateCase cases[] = {
      {1, 1, 2007, 1},    {31, 12, 2007, 365}, {31, 12, 2008, 366}, {28, 2, 2008, 59},
      {1, 3, 2007, 60},   {1, 3, 2008, 61},    {1, 3, 1900, 60},    {1, 3, 2000, 61},
      // A month outside 1-12 adds no month offset; above 12 the leap day still counts.
      {5, 0, 2008, 5},    {5, 13, 2008, 6},    {5, 13, 2007, 5},
  };
  for (const DateCase& c : cases) {
    EXPECT_EQ(DayOfYear(c.day, c.month, c.year), c.expected) << c.day << "." << c.month << "." << c.year;
  }
}

// Two-digit years 0-38 are 2000-2038, 39-99 are 1939-1999; full years before 1900 stay themselves.
TEST(DateArithmeticTest, DayOfYearTakesOnlyYearsBelowHundredAsTwoDigitYears) {
  const DateCase cases[] = {
      {1, 3, 0, 61},     // 2000, a leap year
      {1, 3, 38, 60},    // 2038
      {1, 3, 39, 60},    // 1939
      {1, 3, 40, 61},    // 1940
      {1, 3, 99, 60},    // 1999
      {1, 3, 100, 60},   // the year 100 itself, not a leap year
      {1, 3, 1700, 60},  // not 3600, which would be a leap year
      {1, 3, 1896, 61},  // not 3796, which would not be one
      {1, 3, 1899, 60},
  };
  for (const DateCase& c : cases) {
    EXPECT_EQ(DayOfYear(c.day, c.month, c.year), c.expected) << "year " << c.year;
  }
}

TEST(DateArithmeticTest, WeekdayOf) {
  const DateCase cases[] = {
      {1, 1, 2007, 1},   {25, 12, 2011, 0}, {29, 2, 2000, 2}, {1, 1, 1583, 6},
      {1, 3, 1700, 1},   {1, 1, 1896, 3},   {31, 12, 9999, 5},
  };
  for (const DateCase& c : cases) {
    EXPECT_EQ(WeekdayOf(c.day, c.month, c.year), c.expected) << c.day << "." << c.month << "." << c.year;
  }
}

TEST(DateArithmeticTest, IsoWeekNumber) {
  const DateCase cases[] = {
      {1, 1, 2010, 53},   // Friday: last week of 2009
      {31, 12, 2008, 1},  // Wednesday: first week of 2009
      {31, 12, 2009, 53}, // Thursday
      {29, 12, 2014, 1},  // Monday
      {1, 1, 2007, 1},    {3, 1, 2021, 53}, {4, 1, 2021, 1}, {1, 1, 2005, 53}, {2, 1, 2005, 53},
      {3, 1, 2005, 1},    {28, 12, 2026, 53}, {31, 12, 2026, 53}, {1, 1, 2027, 53},
  };
  for (const DateCase& c : cases) {
    EXPECT_EQ(IsoWeekNumber(c.day, c.month, c.year), c.expected)
        << c.day << "." << c.month << "." << c.year;
  }
}

TEST(DateArithmeticTest, EasterSunday) {
  struct Case {
    int year;
    int month;
    int day;
    int day_of_year;
  };
  const Case cases[] = {
      {2007, 4, 8, 98},   {2008, 3, 23, 83}, {2038, 4, 25, 115},  // the latest possible date
      {2285, 3, 22, 81},                                          // the earliest possible date
      {1818, 3, 22, 81},  {1943, 4, 25, 115}, {1583, 4, 10, 100}, {1700, 4, 11, 101},
      {1896, 4, 5, 96},   {9999, 3, 28, 87},
      // Two-digit years.
      {7, 4, 8, 98},      {38, 4, 25, 115},  {43, 4, 25, 115},
  };
  for (const Case& c : cases) {
    int month = 0;
    int day = 0;
    EXPECT_EQ(EasterSunday(c.year, month, day), c.day_of_year) << c.year;
    EXPECT_EQ(month, c.month) << c.year;
    EXPECT_EQ(day, c.day) << c.year;
  }
}

TEST(DateArithmeticTest, MoonAge) {
  const DateCase cases[] = {
      {3, 1, 2007, 14}, {19, 1, 2007, 0}, {6, 1, 2000, 0}, {8, 12, 2026, 28}, {1, 1, 1901, 18},
  };
  for (const DateCase& c : cases) {
    EXPECT_EQ(MoonAge(c.day, c.month, c.year), c.expected) << c.day << "." << c.month << "." << c.year;
  }
}

// From 1 March 2034 on, the century of the date must enter the calendar correction as a whole number,
// or every age comes out a day short.
TEST(DateArithmeticTest, MoonAgeFollowsTheTrueDayNumberAcrossMarch2034) {
  const DateCase cases[] = {
      {28, 2, 2034, 9}, {1, 3, 2034, 10}, {2, 3, 2034, 11}, {31, 12, 2099, 19},
  };
  for (const DateCase& c : cases) {
    EXPECT_EQ(ReferenceMoonAge(c.day, c.month, c.year), c.expected);
    EXPECT_EQ(MoonAge(c.day, c.month, c.year), c.expected) << c.day << "." << c.month << "." << c.year;
  }
}

TEST(DateArithmeticTest, MoonIconIndexOfTheExampleDays) {
  EXPECT_EQ(MoonIconIndex(19, 1, 2007), 0);  // age 0, new moon
  EXPECT_EQ(MoonIconIndex(3, 1, 2007), 4);   // age 14, full moon
  EXPECT_EQ(MoonIconIndex(8, 12, 2026), 7);  // age 28
}

}  // namespace
