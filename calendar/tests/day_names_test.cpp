// The names of the named days of a date: table order, regions, the years of the newer days, the
// separators and truncation.
#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "calendar/holidays.h"

namespace {

constexpr std::size_t kCallerCapacity = 400;

std::string NamesOf(int day, int month, int year, int region) {
  char names[kCallerCapacity];
  DayNamesForDate(day, month, year, region, names, sizeof names);
  return names;
}

struct NamesCase {
  int day;
  int month;
  int year;
  int region;
  const char* expected;
};

void ExpectNames(const NamesCase* cases, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    const NamesCase& c = cases[i];
    EXPECT_EQ(NamesOf(c.day, c.month, c.year, c.region), c.expected)
        << c.day << "." << c.month << "." << c.year << " in region " << c.region;
  }
}

TEST(DayNamesTest, SeveralNamesInTableOrder) {
  const NamesCase cases[] = {
      {25, 3, 2007, 0, "Mariä Verkündung \r\nBeginn der Sommerzeit \r\nJudika"},
      {20, 3, 2008, 0, "Frühlingsanfang \r\nGründonnerstag"},
      {1, 5, 2008, 2, "Maifeiertag \r\nChristi Himmelfahrt"},
      {3, 10, 2010, 0, "Tag der deutschen Einheit \r\nErntedankfest"},
      {31, 10, 2010, 0, "Reformationstag \r\nEnde der Sommerzeit"},
      {26, 3, 2005, 0, ""},
      {7, 4, 2007, 5, ""},  // the Saturday before Easter has no name
  };
  ExpectNames(cases, std::size(cases));
}

TEST(DayNamesTest, NamesByRegion) {
  const NamesCase cases[] = {
      {25, 12, 2008, 17, "Christtag"},      {25, 12, 2008, 18, "Weihnachten"},
      {25, 12, 2008, 0, "1. Weihnachtstag"}, {25, 12, 2008, 16, "1. Weihnachtstag"},
      {25, 12, 2008, 19, ""},               {26, 12, 2008, 17, "Stephanitag"},
      {26, 12, 2008, 18, "Stephanstag"},    {26, 12, 2008, 1, "2. Weihnachtstag"},
      {1, 5, 2007, 18, ""},                 {1, 5, 2007, 17, "Staatsfeiertag"},
      {1, 5, 2007, 0, "Maifeiertag"},       {1, 8, 2007, 18, "Bundesfeiertag"},
      {1, 8, 2007, 2, ""},                  {8, 10, 2008, 17, "Nationalfeiertag"},
      {8, 10, 2008, 0, ""},                 {3, 10, 2008, 17, ""},
      {17, 5, 2007, 18, "Auffahrt"},        {17, 5, 2007, 17, "Christi Himmelfahrt"},
      {17, 5, 2007, 19, ""},                {17, 5, 2007, -3, ""},
      {1, 1, 2007, 19, "Neujahr"},          {1, 1, 2007, -3, "Neujahr"},
  };
  ExpectNames(cases, std::size(cases));
}

TEST(DayNamesTest, SundaysCountedInTheirWeek) {
  const NamesCase cases[] = {
      {14, 5, 2006, 0, "Muttertag"},  // 1 May 2006 is a Monday
      {7, 5, 2006, 0, ""},
      {8, 5, 2011, 0, "Muttertag"},  // 1 May 2011 is a Sunday
      {30, 3, 2014, 0, "Beginn der Sommerzeit"},
      {23, 3, 2014, 0, ""},
      {5, 10, 2008, 0, "Erntedankfest"},
      {26, 10, 2008, 0, "Ende der Sommerzeit"},
  };
  ExpectNames(cases, std::size(cases));
}

TEST(DayNamesTest, AdventDaysCountBackFromTheLastSundayBeforeChristmas) {
  const NamesCase cases[] = {
      {23, 12, 2007, 0, "4. Advent"},     {2, 12, 2007, 0, "1. Advent"},
      {25, 11, 2007, 0, "Totensonntag"},  {21, 11, 2007, 0, "Buß- und Bettag"},
      {18, 11, 2007, 0, "Volkstrauertag"}, {16, 12, 2007, 0, "3. Advent"},
      {9, 12, 2007, 0, "2. Advent"},
      // 25 December 2011 is a Sunday; the fourth Sunday of Advent is the 18th.
      {18, 12, 2011, 0, "4. Advent"},     {25, 12, 2011, 0, "1. Weihnachtstag"},
  };
  ExpectNames(cases, std::size(cases));
}

// The newer days are named in their regions from the year on which they became public holidays,
// in date order among the fixed dates.
TEST(DayNamesTest, NewerDaysFromTheirFirstYear) {
  const NamesCase cases[] = {
      {8, 3, 2018, 3, ""},
      {8, 3, 2019, 3, "Internationaler Frauentag"},
      {8, 3, 2022, 8, ""},
      {8, 3, 2023, 8, "Internationaler Frauentag"},
      {8, 3, 2023, 0, ""},
      {8, 3, 2023, 4, ""},
      {8, 3, 2038, 3, "Internationaler Frauentag \r\nRosenmontag"},  // Easter 2038: 25 April
      {20, 9, 2018, 16, ""},
      {20, 9, 2019, 16, "Weltkindertag"},
      {20, 9, 2019, 3, ""},
  };
  ExpectNames(cases, std::size(cases));
}

TEST(DayNamesTest, TruncatesAtCapacityAndClearsTheWholeBuffer) {
  struct Case {
    std::size_t capacity;
    const char* expected;
  };
  // "Mariä Verkündung \r\n" is 19 characters.
  const Case cases[] = {
      {20, "Mariä Verkündung"}, {19, "Mariä Verkündung"}, {10, "Mariä Ver"}, {1, ""},
      {43, "Mariä Verkündung \r\nBeginn der Sommerzeit"},
  };
  for (const Case& c : cases) {
    char buffer[64];
    std::fill(std::begin(buffer), std::end(buffer), 'x');
    DayNamesForDate(25, 3, 2007, 0, buffer, c.capacity);
    EXPECT_STREQ(buffer, c.expected) << "capacity " << c.capacity;
    for (std::size_t i = std::strlen(c.expected); i < c.capacity; ++i) {
      EXPECT_EQ(buffer[i], '\0') << "capacity " << c.capacity << ", byte " << i;
    }
    EXPECT_EQ(buffer[c.capacity], 'x') << "capacity " << c.capacity;
  }
}

}  // namespace
