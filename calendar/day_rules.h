// The vocabulary of the public-holiday and day-name tables: the day a rule names (a fixed date, maybe
// only on some weekdays, a weekday of a seven-day window, a day counted from Easter Sunday or from the
// fourth Sunday of Advent, the Näfelser Fahrt), the region codes it holds for and the years in which
// it holds.
#pragma once

#include <climits>
#include <cstdint>
#include <initializer_list>

#include "calendar/holidays.h"

enum class DayAnchor {
  kFixedDate,
  kWeekdayInWindow,
  kEaster,
  kFourthAdvent,
  kNaefelserFahrt,  // the first Thursday of April, a week later when that is Maundy Thursday (Glarus)
};

// Weekdays as a set, bit 0 for Sunday.
constexpr unsigned Weekdays(std::initializer_list<int> weekdays) {
  unsigned set = 0;
  for (int weekday : weekdays) set |= 1u << weekday;
  return set;
}
constexpr unsigned kEveryWeekday = 0x7Fu;

struct RuleDay {
  DayAnchor anchor;
  int day;    // day of the month, first day of the window, or days after the anchor day
  int month;  // fixed dates and windows only
  unsigned weekdays = kEveryWeekday;  // the weekdays on which the day counts
};

constexpr RuleDay On(int day, int month) { return {DayAnchor::kFixedDate, day, month}; }
// A fixed date that counts only when it falls on one of the weekdays.
constexpr RuleDay OnWeekdays(int day, int month, unsigned weekdays) {
  return {DayAnchor::kFixedDate, day, month, weekdays};
}
// The weekday among the days first_day ... first_day + 6 of the month.
constexpr RuleDay WeekdayFrom(int weekday, int first_day, int month) {
  return {DayAnchor::kWeekdayInWindow, first_day, month, Weekdays({weekday})};
}
constexpr RuleDay SundayFrom(int first_day, int month) { return WeekdayFrom(0, first_day, month); }
constexpr RuleDay EasterPlus(int days) { return {DayAnchor::kEaster, days, 0}; }
constexpr RuleDay FourthAdventPlus(int days) { return {DayAnchor::kFourthAdvent, days, 0}; }
constexpr RuleDay NaefelserFahrt() { return {DayAnchor::kNaefelserFahrt, 0, 4}; }

// A set of the region codes 0 ... kRegionCount - 1, and whether the rule also holds for codes outside
// them (a setting from a newer or damaged registry).
struct RegionSet {
  std::uint64_t codes;
  bool other_codes;
};
static_assert(kRegionCount <= 64, "a RegionSet holds a bit for each region code");

constexpr RegionSet Codes(std::initializer_list<int> list) {
  RegionSet set{0, false};
  for (int code : list) set.codes |= std::uint64_t{1} << code;
  return set;
}

constexpr RegionSet CodeRange(int first, int last, bool other_codes) {
  RegionSet set{0, other_codes};
  for (int code = first; code <= last; ++code) set.codes |= std::uint64_t{1} << code;
  return set;
}

constexpr RegionSet operator|(RegionSet a, RegionSet b) {
  return {a.codes | b.codes, a.other_codes || b.other_codes};
}

constexpr RegionSet Without(RegionSet set, RegionSet removed) {
  return {set.codes & ~removed.codes, set.other_codes};
}

// The Swiss cantons and the German municipalities whose law differs from their state's.
constexpr RegionSet kCantons = CodeRange(kFirstCanton, kLastCanton, false);
constexpr RegionSet kGermanSubRegions = CodeRange(kAugsburg, kThueringenMitFronleichnam, false);

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
