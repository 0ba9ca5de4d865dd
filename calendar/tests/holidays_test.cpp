// Public holidays by region and year, and the region list.
#include "calendar/holidays.h"

#include <cstring>

#include <gtest/gtest.h>

#include "calendar/date_arithmetic.h"

namespace {

struct HolidayCase {
  int day;
  int month;
  int year;
  int region;
  bool expected;
};

void ExpectHolidays(const HolidayCase* cases, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    const HolidayCase& c = cases[i];
    EXPECT_EQ(IsPublicHoliday(c.day, c.month, c.year, c.region), c.expected)
        << c.day << "." << c.month << "." << c.year << " in region " << c.region;
  }
}

TEST(HolidaysTest, FixedDatesByRegion) {
  const HolidayCase cases[] = {
      {1, 1, 2007, 1, true},    {1, 1, 2007, 18, true},  {1, 1, 2007, 0, false},
      {1, 1, 2007, -1, false},  {1, 1, 2007, 49, true},  // an unknown code keeps the common holidays
      {6, 1, 2007, 14, true},   {6, 1, 2007, 17, true},  {6, 1, 2007, 3, false},
      {6, 1, 2007, 49, false},  {1, 5, 2007, 17, true},  {1, 5, 2007, 18, false},
      {1, 5, 2007, 49, true},   {1, 8, 2008, 18, true},  {1, 8, 2008, 17, false},
      {15, 8, 2008, 12, true},  {15, 8, 2008, 1, false}, {3, 10, 2010, 16, true},
      {3, 10, 2010, 17, false}, {3, 10, 2010, 49, false}, {31, 10, 2016, 4, true},
      {1, 11, 2008, 10, true},  {1, 11, 2008, 3, false}, {8, 12, 2008, 17, true},
      {8, 12, 2008, 2, false},  {26, 12, 2008, 18, true}, {26, 12, 2008, 49, true},
      {8, 10, 2008, 17, false},
      {2, 1, 2007, 1, false},
  };
  ExpectHolidays(cases, std::size(cases));
}

// Easter 2007 is 8 April; the fourth Sunday of Advent 2007 is 23 December.
TEST(HolidaysTest, MovableDaysByRegion) {
  const HolidayCase cases[] = {
      {5, 4, 2007, 5, false},   // Maundy Thursday
      {6, 4, 2007, 5, true},    {7, 4, 2007, 5, true},  // the Saturday before Easter
      {7, 4, 2007, 18, true},   {7, 4, 2007, 49, true}, {8, 4, 2007, 5, true},
      {9, 4, 2007, 5, true},    {10, 4, 2007, 5, false}, {17, 5, 2007, 18, true},  // Ascension
      {27, 5, 2007, 9, true},   {28, 5, 2007, 9, true}, {7, 6, 2007, 2, true},  // Corpus Christi
      {7, 6, 2007, 3, false},   {7, 6, 2007, 49, false}, {9, 4, 2007, 0, false},
      {21, 11, 2007, 13, true}, {21, 11, 2007, 2, false}, {21, 11, 2007, 17, false},
      // Good Friday everywhere but in Austria, also under an unknown code.
      {6, 4, 2007, 17, false},  {6, 4, 2007, 2, true},  {6, 4, 2007, 18, true},
      {6, 4, 2007, 49, true},
  };
  ExpectHolidays(cases, std::size(cases));
}

// Each rule that changed with the law is tested in its first year and the year before.
TEST(HolidaysTest, FollowsTheLawOfTheYear) {
  const HolidayCase cases[] = {
      // Reformationstag in Bremen, Hamburg, Niedersachsen and Schleswig-Holstein from 2018 on.
      {31, 10, 2016, 5, false}, {31, 10, 2018, 5, true},  {31, 10, 2018, 6, true},
      {31, 10, 2018, 9, true},  {31, 10, 2018, 15, true}, {31, 10, 2019, 9, true},
      {31, 10, 2018, 1, false}, {31, 10, 2018, 17, false},
      // In every German state in 2017 only.
      {31, 10, 2016, 1, false}, {31, 10, 2017, 1, true},  {31, 10, 2017, 2, true},
      {31, 10, 2017, 10, true}, {31, 10, 2017, 4, true},  {31, 10, 2018, 2, false},
      {31, 10, 2017, 0, false}, {31, 10, 2017, 17, false}, {31, 10, 2017, 49, false},
      // Internationaler Frauentag: Berlin from 2019, Mecklenburg-Vorpommern from 2023.
      {8, 3, 2018, 3, false},   {8, 3, 2019, 3, true},    {8, 3, 2019, 8, false},
      {8, 3, 2022, 8, false},   {8, 3, 2023, 8, true},    {8, 3, 2023, 4, false},
      {8, 3, 2023, 49, false},
      // Weltkindertag in Thüringen from 2019.
      {20, 9, 2018, 16, false}, {20, 9, 2019, 16, true},  {20, 9, 2019, 3, false},
      // Buß- und Bettag: every German state up to 1994, only Sachsen from 1995.
      {16, 11, 1994, 2, true},  {16, 11, 1994, 16, true}, {16, 11, 1994, 13, true},
      {16, 11, 1994, 17, false}, {16, 11, 1994, 0, false}, {22, 11, 1995, 2, false},
      {22, 11, 1995, 13, true},
      // Austria's Nationalfeiertag on 26 October from 1967 (named from 1965).
      {26, 10, 1964, 17, false}, {26, 10, 1965, 17, false}, {26, 10, 1966, 17, false},
      {26, 10, 1967, 17, true},  {26, 10, 2025, 17, true},  {26, 10, 2025, 2, false},
      {26, 10, 2025, 0, false},  {8, 10, 2025, 17, false},
  };
  ExpectHolidays(cases, std::size(cases));
}

// The number of public holidays of each region in 2026 (Easter on 5 April, no movable day on a fixed
// holiday), so that a rule in the wrong region or a stray rule shows.
TEST(HolidaysTest, CountOfHolidaysPerRegionIn2026) {
  const int expected[] = {0,  15, 16, 13, 13, 13, 13, 13, 14, 13,
                          14, 14, 15, 14, 14, 13, 14, 16, 15, 11};
  const int unknown_code = kRegionCount;  // stands in the last place
  for (int place = 0; place < static_cast<int>(std::size(expected)); ++place) {
    const int region = place < 19 ? place : unknown_code;
    int count = 0;
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= DaysInMonth(month, 2026); ++day) {
        if (IsPublicHoliday(day, month, 2026, region)) ++count;
      }
    }
    EXPECT_EQ(count, expected[place]) << "region " << region;
  }
}

TEST(HolidaysTest, RegionNamesAreCodePage1252TextsInListOrder) {
  EXPECT_STREQ(kRegionNames[0], "(keine)");
  EXPECT_STREQ(kRegionNames[1], "Deutschland (Baden-W\xFCrttemberg)");
  EXPECT_STREQ(kRegionNames[13], "Deutschland (Sachsen)");
  EXPECT_STREQ(kRegionNames[16], "Deutschland (Th\xFCringen)");
  EXPECT_STREQ(kRegionNames[17], "\xD6sterreich");
  EXPECT_STREQ(kRegionNames[18], "Schweiz");
  EXPECT_STREQ(kRegionNames[19], "Schweiz (Aargau)");
  EXPECT_STREQ(kRegionNames[44], "Schweiz (Z\xFCrich)");
  EXPECT_STREQ(kRegionNames[48], "Deutschland (Th\xFCringen, mit Fronleichnam)");
  for (const char* name : kRegionNames) EXPECT_LT(std::strlen(name), 80u) << name;
}

}  // namespace
