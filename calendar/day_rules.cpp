// Matching a date against the rules of the public-holiday and day-name tables.
#include "calendar/day_rules.h"

#include "calendar/date_arithmetic.h"

namespace {

bool HoldsFor(const RegionSet& set, int region) {
  if (region < 0 || region >= kRegionCount) return set.other_codes;
  return (set.codes >> region & 1u) != 0;
}

// Thursday 1-7 April, or 8-14 April when the first one is Maundy Thursday.
bool IsNaefelserFahrt(const DateFacts& date) {
  if (date.month != 4 || date.weekday != 4) return false;
  const bool first_is_maundy_thursday = date.day_of_year - (date.day > 7 ? 7 : 0) == date.easter - 3;
  if (date.day <= 7) return !first_is_maundy_thursday;
  return date.day <= 14 && first_is_maundy_thursday;
}

bool FallsOn(const RuleDay& rule_day, const DateFacts& date) {
  switch (rule_day.anchor) {
    case DayAnchor::kFixedDate:
      return date.month == rule_day.month && date.day == rule_day.day && (rule_day.weekdays >> date.weekday & 1u);
    case DayAnchor::kWeekdayInWindow:
      return date.month == rule_day.month && (rule_day.weekdays >> date.weekday & 1u) &&
             date.day >= rule_day.day && date.day <= rule_day.day + 6;
    case DayAnchor::kEaster:
      return date.day_of_year == date.easter + rule_day.day;
    case DayAnchor::kFourthAdvent:
      return date.day_of_year == date.fourth_advent + rule_day.day;
    case DayAnchor::kNaefelserFahrt:
      return IsNaefelserFahrt(date);
  }
  return false;
}

}  // namespace

DateFacts FactsOf(int day, int month, int year) {
  int easter_month = 0;
  int easter_day = 0;
  int christmas_weekday = WeekdayOf(25, 12, year);
  return DateFacts{
      .day = day,
      .month = month,
      .year = year,
      .day_of_year = DayOfYear(day, month, year),
      .weekday = WeekdayOf(day, month, year),
      .easter = EasterSunday(year, easter_month, easter_day),
      .fourth_advent = DayOfYear(25, 12, year) - (christmas_weekday == 0 ? 7 : christmas_weekday),
  };
}

bool RuleApplies(const DayRule& rule, const DateFacts& date, int region) {
  return date.year >= rule.years.first && date.year <= rule.years.last && HoldsFor(rule.regions, region) &&
         FallsOn(rule.day, date);
}
