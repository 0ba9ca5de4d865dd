// The Swiss cantons' public holidays and named days, and the German sub-regions against their state.
#include <string>

#include <gtest/gtest.h>

#include "calendar/date_arithmetic.h"
#include "calendar/holidays.h"

namespace {

// Every public holiday of the year as "D.M D.M ...", Sundays included.
std::string HolidaysOf(int year, int region) {
  std::string days;
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= DaysInMonth(month, year); ++day) {
      if (!IsPublicHoliday(day, month, year, region)) continue;
      if (!days.empty()) days.push_back(' ');
      days.append(std::to_string(day)).push_back('.');
      days.append(std::to_string(month));
    }
  }
  return days;
}

// 2026: Good Friday 3.4, Easter 5.4, Ascension 14.5, Whit Sunday 24.5, Corpus Christi 4.6, the
// Bettag 20.9; 1 November is a Sunday, Christmas a Friday.
TEST(CantonHolidaysTest, EveryPublicHolidayOf2026) {
  const struct {
    int region;
    const char* days;
  } cases[] = {
      {kAargau, "1.1 3.4 5.4 14.5 24.5 1.8 20.9 25.12"},  // the rest by district
      {kAppenzellAusserrhoden, "1.1 3.4 5.4 6.4 14.5 24.5 25.5 1.8 20.9 25.12"},
      {kAppenzellInnerrhoden, "1.1 3.4 5.4 6.4 14.5 24.5 25.5 4.6 1.8 15.8 20.9 1.11 8.12 25.12 26.12"},
      {kBaselLandschaft, "1.1 3.4 5.4 6.4 1.5 14.5 24.5 25.5 1.8 20.9 25.12 26.12"},
      {kBaselStadt, "1.1 3.4 5.4 6.4 1.5 14.5 24.5 25.5 1.8 20.9 25.12 26.12"},
      {kBern, "1.1 2.1 3.4 5.4 6.4 14.5 24.5 25.5 1.8 20.9 25.12 26.12"},
      {kFreiburg, "1.1 3.4 5.4 14.5 24.5 1.8 20.9 25.12"},
      {kGenf, "1.1 3.4 5.4 6.4 14.5 24.5 25.5 1.8 10.9 25.12 31.12"},
      {kGlarus, "1.1 3.4 5.4 6.4 9.4 14.5 24.5 25.5 1.8 20.9 1.11 25.12 26.12"},  // Näfelser Fahrt moved
      {kGraubuenden, "1.1 3.4 5.4 6.4 14.5 24.5 25.5 1.8 20.9 25.12 26.12"},
      {kJura, "1.1 2.1 3.4 5.4 6.4 1.5 14.5 24.5 25.5 4.6 23.6 1.8 15.8 20.9 1.11 25.12 26.12"},
      {kLuzern, "1.1 3.4 5.4 14.5 24.5 4.6 1.8 15.8 20.9 1.11 8.12 25.12 26.12"},
      {kNeuenburg, "1.1 1.3 3.4 5.4 1.5 14.5 24.5 1.8 20.9 25.12"},
      {kNidwalden, "1.1 19.3 3.4 5.4 14.5 24.5 4.6 1.8 15.8 20.9 1.11 8.12 25.12"},
      {kObwalden, "1.1 3.4 5.4 14.5 24.5 4.6 1.8 15.8 20.9 25.9 1.11 8.12 25.12"},
      {kSchaffhausen, "1.1 3.4 5.4 6.4 1.5 14.5 24.5 25.5 1.8 20.9 25.12 26.12"},
      {kSchwyz, "1.1 6.1 19.3 3.4 5.4 6.4 14.5 24.5 25.5 4.6 1.8 15.8 20.9 1.11 8.12 25.12 26.12"},
      {kSolothurn, "1.1 3.4 5.4 14.5 24.5 1.8 20.9 25.12"},
      {kStGallen, "1.1 3.4 5.4 6.4 14.5 24.5 25.5 1.8 20.9 1.11 25.12 26.12"},
      {kTessin, "1.1 6.1 19.3 5.4 6.4 1.5 14.5 24.5 25.5 4.6 29.6 1.8 15.8 20.9 1.11 8.12 25.12 26.12"},
      {kThurgau, "1.1 2.1 3.4 5.4 6.4 1.5 14.5 24.5 25.5 1.8 20.9 25.12 26.12"},
      {kUri, "1.1 6.1 19.3 3.4 5.4 6.4 14.5 24.5 25.5 4.6 1.8 15.8 20.9 1.11 8.12 25.12 26.12"},
      {kWaadt, "1.1 2.1 3.4 5.4 6.4 14.5 24.5 25.5 1.8 20.9 21.9 25.12"},
      {kWallis, "1.1 19.3 5.4 14.5 24.5 4.6 1.8 15.8 20.9 1.11 8.12 25.12"},
      {kZug, "1.1 3.4 5.4 14.5 24.5 4.6 1.8 15.8 20.9 1.11 8.12 25.12"},
      {kZuerich, "1.1 3.4 5.4 6.4 1.5 14.5 24.5 25.5 1.8 20.9 25.12 26.12"},
  };
  static_assert(std::size(cases) == kLastCanton - kFirstCanton + 1);
  for (const auto& c : cases) EXPECT_EQ(HolidaysOf(2026, c.region), c.days) << kRegionNames[c.region];
}

// Days that hang on the weekday or on Easter: {day, month, year, region, public holiday}.
TEST(CantonHolidaysTest, MovingAndConditionalDays) {
  const struct {
    int day, month, year, region;
    bool expected;
  } cases[] = {
      // No Stephanstag that would make three rest days in a row (Ausserrhoden: nor after a Friday).
      {26, 12, 2016, kAppenzellInnerrhoden, true}, {26, 12, 2017, kAppenzellInnerrhoden, false},
      {26, 12, 2017, kAppenzellAusserrhoden, false}, {26, 12, 2025, kAppenzellAusserrhoden, true},
      {26, 12, 2020, kAppenzellAusserrhoden, false}, {26, 12, 2020, kAppenzellInnerrhoden, true},
      // Neuenburg: 2 January and 26 December only after a Sunday.
      {2, 1, 2023, kNeuenburg, true}, {2, 1, 2024, kNeuenburg, false},
      {26, 12, 2022, kNeuenburg, true}, {26, 12, 2023, kNeuenburg, false},
      // The Näfelser Fahrt a week later when the first Thursday of April is Maundy Thursday.
      {6, 4, 2023, kGlarus, false}, {13, 4, 2023, kGlarus, true}, {7, 4, 2022, kGlarus, true},
      {14, 4, 2022, kGlarus, false},
      // Jeûne genevois and Lundi du Jeûne after the first and the third Sunday of September 2025.
      {11, 9, 2025, kGenf, true}, {4, 9, 2025, kGenf, false}, {22, 9, 2025, kWaadt, true},
      {15, 9, 2025, kWaadt, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsPublicHoliday(c.day, c.month, c.year, c.region), c.expected)
        << c.day << "." << c.month << "." << c.year << " in " << kRegionNames[c.region];
  }
}

// Each German sub-region answers as its state on every day of 2026 but the one its law changes.
TEST(CantonHolidaysTest, GermanSubRegionsDifferFromTheirStateOnOneDay) {
  const struct {
    int region, state, day, month;
  } cases[] = {
      {kAugsburg, kBayern, 8, 8},
      {kBayernOhneMariaeHimmelfahrt, kBayern, 15, 8},
      {kSachsenMitFronleichnam, kSachsen, 4, 6},
      {kThueringenMitFronleichnam, kThueringen, 4, 6},
  };
  for (const auto& c : cases) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= DaysInMonth(month, 2026); ++day) {
        const bool state = IsPublicHoliday(day, month, 2026, c.state);
        const bool differs = day == c.day && month == c.month;
        EXPECT_EQ(IsPublicHoliday(day, month, 2026, c.region), differs ? !state : state)
            << day << "." << month << " in " << kRegionNames[c.region];
      }
    }
  }
}

// The cantons' own days and the Swiss names; the Berchtoldstag is named in Zürich though no holiday.
TEST(CantonHolidaysTest, NamedDays) {
  const struct {
    int day, month, region;
    const char* expected;
  } cases[] = {
      {2, 1, kZuerich, "Berchtoldstag"}, {2, 1, kTessin, ""}, {2, 1, kSchweiz, ""},
      {9, 4, kGlarus, "Näfelser Fahrt"}, {1, 5, kZuerich, "Tag der Arbeit"}, {1, 5, kGenf, ""},
      {8, 8, kAugsburg, "Hohes Friedensfest"}, {8, 8, kBayern, ""}, {10, 9, kGenf, "Jeûne genevois"},
      {20, 9, kZuerich, "Eidgenössischer Dank-, Buss- und Bettag"}, {20, 9, kGenf, ""}, {20, 9, kSchweiz, ""},
      {25, 9, kObwalden, "Bruder Klaus"}, {14, 5, kUri, "Auffahrt"}, {14, 5, kAugsburg, "Christi Himmelfahrt"},
      {31, 12, kGenf, "Silvester \r\nRestauration de la République"},
  };
  for (const auto& c : cases) {
    char names[400];
    DayNamesForDate(c.day, c.month, 2026, c.region, names, sizeof names);
    EXPECT_STREQ(names, c.expected) << c.day << "." << c.month << ".2026 in " << kRegionNames[c.region];
  }
}

}  // namespace
