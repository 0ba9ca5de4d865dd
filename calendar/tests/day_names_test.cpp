// The names of the named days of a date: every row of the table on its day, table order, regions,
// the years of the newer days, the separators and truncation.
#include <algorithm>
#include <chrono>
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
      {25, 12, 2008, 49, ""},               {26, 12, 2008, 17, "Stephanitag"},
      {26, 12, 2008, 18, "Stephanstag"},    {26, 12, 2008, 1, "2. Weihnachtstag"},
      {1, 5, 2007, 18, ""},                 {1, 5, 2007, 17, "Staatsfeiertag"},
      {1, 5, 2007, 0, "Maifeiertag"},       {1, 8, 2007, 18, "Bundesfeiertag"},
      {1, 8, 2007, 2, ""},                  {8, 10, 2008, 17, ""},
      {26, 10, 2008, 18, "Ende der Sommerzeit"}, {3, 10, 2008, 17, ""},
      {17, 5, 2007, 18, "Auffahrt"},        {17, 5, 2007, 17, "Christi Himmelfahrt"},
      {17, 5, 2007, 49, ""},                {17, 5, 2007, -3, ""},
      {1, 1, 2007, 49, "Neujahr"},          {1, 1, 2007, -3, "Neujahr"},
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

// The newer days are named in their regions from the year they were introduced, in date order among
// the fixed dates.
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
      // Austria's Nationalfeiertag from 1965; 26 October 2025 is the last Sunday of October.
      {26, 10, 1964, 17, ""},
      {26, 10, 1965, 17, "Nationalfeiertag"},
      {26, 10, 1966, 17, "Nationalfeiertag"},
      {26, 10, 1967, 17, "Nationalfeiertag"},
      {26, 10, 2025, 17, "Nationalfeiertag \r\nEnde der Sommerzeit"},
      {26, 10, 2025, 0, "Ende der Sommerzeit"},
      {26, 10, 2027, 17, "Nationalfeiertag"},
      {26, 10, 2027, 18, ""},
  };
  ExpectNames(cases, std::size(cases));
}

// Every row of the naming table in 2026 (Easter on 5 April, the fourth Sunday of Advent on 20
// December) under code 0 and the Austrian and Swiss codes: the row's date yields its name (or the
// full text where it shares the day) in the row's regions only, and neither neighbouring day yields it.
TEST(DayNamesTest, EveryRowOnItsDayOnlyIn2026) {
  enum : unsigned { kNowhere = 0, kCode0 = 1, kAustria = 2, kSwitzerland = 4, kAll = 7 };
  struct RowCase {
    int day;
    int month;
    const char* name;
    unsigned regions = kAll;
    const char* full_text = nullptr;  // when several names fall on the day
  };
  const char* const kPalmSunday = "Beginn der Sommerzeit \r\nPalmsonntag";
  const char* const kSecondAdvent = "Nikolaus \r\n2. Advent";
  const RowCase cases[] = {
      {1, 1, "Neujahr"}, {6, 1, "Dreikönigstag"}, {2, 2, "Mariä Lichtmeß"}, {14, 2, "Valentinstag"},
      {8, 3, "Internationaler Frauentag", kNowhere},  // Berlin and Mecklenburg-Vorpommern only
      {19, 3, "St. Joseph"}, {20, 3, "Frühlingsanfang"}, {25, 3, "Mariä Verkündung"},
      {29, 3, "Beginn der Sommerzeit", kAll, kPalmSunday}, {1, 5, "Staatsfeiertag", kAustria},
      {1, 5, "Maifeiertag", kCode0}, {5, 5, "Europatag"}, {10, 5, "Muttertag"}, {21, 6, "Sommeranfang"},
      {24, 6, "Johannistag"}, {29, 6, "Peter und Paul"}, {1, 8, "Bundesfeiertag", kSwitzerland},
      {15, 8, "Mariä Himmelfahrt"}, {8, 9, "Mariä Geburt"},
      {20, 9, "Weltkindertag", kNowhere},  // Thüringen only
      {23, 9, "Herbstanfang"}, {3, 10, "Tag der deutschen Einheit", kCode0},
      {26, 10, "Nationalfeiertag", kAustria}, {31, 10, "Reformationstag"}, {25, 10, "Ende der Sommerzeit"},
      {4, 10, "Erntedankfest"}, {1, 11, "Allerheiligen"}, {2, 11, "Allerseelen"}, {11, 11, "Martinstag"},
      {6, 12, "Nikolaus", kAll, kSecondAdvent}, {8, 12, "Mariä Empfängnis"}, {21, 12, "Winteranfang"},
      {24, 12, "Heiligabend"}, {25, 12, "1. Weihnachtstag", kCode0}, {25, 12, "Christtag", kAustria},
      {25, 12, "Weihnachten", kSwitzerland}, {26, 12, "2. Weihnachtstag", kCode0},
      {26, 12, "Stephanitag", kAustria}, {26, 12, "Stephanstag", kSwitzerland}, {31, 12, "Silvester"},
      {16, 2, "Rosenmontag"}, {17, 2, "Fastnacht"}, {18, 2, "Aschermittwoch"}, {22, 3, "Judika"},
      {29, 3, "Palmsonntag", kAll, kPalmSunday}, {2, 4, "Gründonnerstag"}, {3, 4, "Karfreitag"},
      {5, 4, "Ostersonntag"}, {6, 4, "Ostermontag"}, {12, 4, "Weißer Sonntag"},
      {14, 5, "Christi Himmelfahrt", kCode0 | kAustria}, {14, 5, "Auffahrt", kSwitzerland},
      {24, 5, "Pfingstsonntag"}, {25, 5, "Pfingstmontag"}, {31, 5, "Dreieinigkeitsfest"},
      {4, 6, "Fronleichnam"}, {20, 12, "4. Advent"}, {13, 12, "3. Advent"},
      {6, 12, "2. Advent", kAll, kSecondAdvent}, {29, 11, "1. Advent"}, {22, 11, "Totensonntag"},
      {18, 11, "Buß- und Bettag"}, {15, 11, "Volkstrauertag"},
  };
  const int kCodes[] = {0, 17, 18};
  for (const RowCase& c : cases) {
    const std::chrono::sys_days date{std::chrono::year{2026} / c.month / c.day};
    for (int i = 0; i < 3; ++i) {
      SCOPED_TRACE(testing::Message() << c.name << " on " << c.day << "." << c.month << " in region " << kCodes[i]);
      for (int offset : {-1, 0, 1}) {
        const std::chrono::year_month_day on{date + std::chrono::days{offset}};
        std::string names = NamesOf(static_cast<int>(static_cast<unsigned>(on.day())),
                                    static_cast<int>(static_cast<unsigned>(on.month())), static_cast<int>(on.year()),
                                    kCodes[i]);
        if (offset == 0 && (c.regions >> i & 1u) != 0) {
          EXPECT_EQ(names, c.full_text ? c.full_text : c.name);
        } else {
          EXPECT_EQ(names.find(c.name), std::string::npos) << "offset " << offset << ": " << names;
        }
      }
    }
  }
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
