// Every date the program accepts, checked against the standard library's calendar and against
// independent algorithms for Easter and the moon's age.
#include <chrono>
#include <set>

#include <gtest/gtest.h>

#include "calendar/date_arithmetic.h"
#include "calendar/tests/reference_calendar.h"

namespace {

using std::chrono::days;
using std::chrono::sys_days;

constexpr int kFirstYear = 1583;
constexpr int kLastYear = 9999;

// Reports the first few differences only: one fault shows on millions of dates.
class MismatchLimit {
 public:
  bool Allows() { return ++count_ <= 10; }

 private:
  int count_ = 0;
};

// The Monday that begins ISO week 1 of the year: the week that holds 4 January.
sys_days FirstIsoWeekStart(int year) {
  sys_days january4 = sys_days{std::chrono::year{year} / std::chrono::January / 4};
  return january4 - days(std::chrono::weekday{january4}.iso_encoding() - 1);
}

// The ISO week of date, counted from the start of week 1 of its own year (this_year), of the year
// before or of the year after.
int ChronoIsoWeek(sys_days date, sys_days last_year, sys_days this_year, sys_days next_year) {
  sys_days start = date < this_year ? last_year : date < next_year ? this_year : next_year;
  return static_cast<int>((date - start).count() / 7 + 1);
}

TEST(CalendarRangeTest, EveryDateAgreesWithTheStandardCalendar) {
  MismatchLimit limit;
  for (int year = kFirstYear; year <= kLastYear; ++year) {
    std::chrono::year chrono_year{year};
    sys_days new_year = sys_days{chrono_year / std::chrono::January / 1};
    sys_days week_starts[3] = {FirstIsoWeekStart(year - 1), FirstIsoWeekStart(year),
                               FirstIsoWeekStart(year + 1)};
    for (int month = 1; month <= 12; ++month) {
      std::chrono::month chrono_month{static_cast<unsigned>(month)};
      sys_days first = sys_days{chrono_year / chrono_month / 1};
      int days_in_month =
          static_cast<int>(static_cast<unsigned>((chrono_year / chrono_month / std::chrono::last).day()));
      for (int day = 1; day <= days_in_month; ++day) {
        sys_days date = first + days(day - 1);
        int expected_weekday = static_cast<int>(std::chrono::weekday{date}.c_encoding());
        int expected_day_of_year = static_cast<int>((date - new_year).count() + 1);
        int expected_week = ChronoIsoWeek(date, week_starts[0], week_starts[1], week_starts[2]);
        if (WeekdayOf(day, month, year) == expected_weekday &&
            DayOfYear(day, month, year) == expected_day_of_year &&
            IsoWeekNumber(day, month, year) == expected_week && DaysInMonth(month, year) == days_in_month &&
            IsLeapYear(year) == chrono_year.is_leap()) {
          continue;
        }
        if (limit.Allows()) {
          ADD_FAILURE() << day << "." << month << "." << year << ": weekday " << WeekdayOf(day, month, year)
                        << " (" << expected_weekday << "), day " << DayOfYear(day, month, year) << " ("
                        << expected_day_of_year << "), week " << IsoWeekNumber(day, month, year) << " ("
                        << expected_week << "), month length " << DaysInMonth(month, year) << " ("
                        << days_in_month << ")";
        }
      }
    }
  }
}

TEST(CalendarRangeTest, EasterAgreesWithAnIndependentAlgorithm) {
  MismatchLimit limit;
  for (int year = kFirstYear; year <= kLastYear; ++year) {
    MonthDay expected = ReferenceEaster(year);
    int month = 0;
    int day = 0;
    int day_of_year = EasterSunday(year, month, day);
    int expected_day_of_year = DayOfYear(expected.day, expected.month, year);
    if ((month != expected.month || day != expected.day || day_of_year != expected_day_of_year) &&
        limit.Allows()) {
      ADD_FAILURE() << year << ": " << day << "." << month << ". (" << expected.day << "."
                    << expected.month << ".)";
    }
  }
}

// The moon's age from the true Julian day number, for every date of the years the program shows.
TEST(CalendarRangeTest, MoonAgeAgreesWithTheTrueDayNumber) {
  MismatchLimit limit;
  for (int year = 1901; year <= 2099; ++year) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= DaysInMonth(month, year); ++day) {
        int expected = ReferenceMoonAge(day, month, year);
        if (MoonAge(day, month, year) != expected && limit.Allows()) {
          ADD_FAILURE() << day << "." << month << "." << year << ": " << MoonAge(day, month, year)
                        << " (" << expected << ")";
        }
      }
    }
  }
}

// Ages 1-4 show icon 1, 5-8 icon 2, ... 25-28 icon 7; ages 0 and 29 the new moon, icon 0.
TEST(CalendarRangeTest, MoonIconFollowsTheAge) {
  const int expected_icon[30] = {0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4,
                                 4, 4, 5, 5, 5, 5, 6, 6, 6, 6, 7, 7, 7, 7, 0};
  std::set<int> ages_seen;
  MismatchLimit limit;
  for (int year = 2000; year <= 2030; ++year) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= DaysInMonth(month, year); ++day) {
        int age = MoonAge(day, month, year);
        ASSERT_TRUE(age >= 0 && age <= 29) << day << "." << month << "." << year << ": age " << age;
        ages_seen.insert(age);
        if (MoonIconIndex(day, month, year) != expected_icon[age] && limit.Allows()) {
          ADD_FAILURE() << "age " << age << ": icon " << MoonIconIndex(day, month, year);
        }
      }
    }
  }
  EXPECT_EQ(ages_seen.size(), 30u);
}

}  // namespace
