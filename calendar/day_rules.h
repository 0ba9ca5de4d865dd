// The vocabulary of the public-holiday and day-name tables: the day a rule names (a fixed date, the
// Sunday of a seven-day window, a day counted from Easter Sunday or from the fourth Sunday of Advent),
// the region codes it holds for and the years in which it holds.
#pragma once

#include <climits>
#include <cstdint>
#include <initializer_list>

#include "calendar/holidays.h"

enum class DayAnchor { kFixedDate, kSundayInWindow, kEaster, kFourthAdvent };

struct RuleDay {
  DayAnchor anchor;
  int day;    // day of the month, first day of the window, or days after the anchor day
  int month;  // fixed dates and Sunday windows only
};

constexpr RuleDay On(int day, int month) { return {DayAnchor::kFixedDate, day, month}; }
// The Sunday among the days first_day ... first_day + 6 of the month.
constexpr RuleDay SundayFrom(int first_day, int month) {
  return {DayAnchor::kSundayInWindow, first_day, month};
}
constexpr RuleDay EasterPlus(int days) { return {DayAnchor::kEaster, days, 0}; }
constexpr RuleDay FourthAdventPlus(int days) { return {DayAnchor::kFourthAdvent, days, 0}; }

// A set of the region codes 0-18, and whether the rule also holds for codes outside 0-18 (a setting
// from a newer or damaged registry).
struct RegionSet {
  std::uint32_t codes;
  bool other_codes;
};

constexpr RegionSet Codes(std::initializer_list<int> list) {
  RegionSet set{0, false};
  for (int code : list) set.codes |= 1u << code;
  return set;
}

constexpr RegionSet CodeRange(int first, int last, bool other_codes) {
  RegionSet set{0, other_codes};
  for (int code = first; code <= last; ++code) set.codes |= 1u << code;
  return set;
}

struct YearRange {
  int first;
  int last;
};

constexpr YearRange kEveryYear{INT_MIN, INT_MAX};
constexpr YearRange FromYear(int year) { return {year, INT_MAX}; }
constexpr YearRange UpToYear(int year) { return {INT_MIN, year}; }
constexpr YearRange InYear(int year) { return {year, year}; }

struct DayRule {
  RuleDay day;
  RegionSet regions;
  YearRange years = kEveryYear;
};

// The date asked about, with the reference days of its year (as days of the year) computed once.
struct DateFacts {
  int day;
  int month;
  int year;
  int day_of_year;
  int weekday;
  int easter;
  int fourth_advent;  // the last Sunday before 25 December, never the 25th itself
};

DateFacts FactsOf(int day, int month, int year);

// Whether the rule names the date and holds in the region in that year.
bool RuleApplies(const DayRule& rule, const DateFacts& date, int region);
