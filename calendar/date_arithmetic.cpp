// Pure date functions of the Gregorian calendar: month length, leap years, day of the year, weekday,
// ISO week, Easter Sunday and the moon's age. Integer arithmetic throughout, except for the moon age,
// which works on the Julian day number in floating point.
#include "calendar/date_arithmetic.h"

#include <cmath>

namespace {

// Days of the year before the first of each month, January to December, in a common year.
constexpr int kDaysBeforeMonth[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

// Two-digit years as older callers pass them: 0-38 are 2000-2038, 39-99 are 1939-1999. Every other
// year is a full year and stays as it is (so 1700 stays 1700, not 3600).
int FullYear(int year) {
  if (year < 0 || year > 99) return year;
  return year < 39 ? year + 2000 : year + 1900;
}

// Length of the synodic month in days, and the Julian day number (with its fraction) of the new moon
// of 6 January 2000 from which the moon's age is counted.
constexpr double kSynodicMonth = 29.530588853;
constexpr double kReferenceNewMoon = 2451550.1;
// Day numbers past this one (4 October 1582, the last day of the Julian calendar) are Gregorian dates.
constexpr double kLastJulianCalendarDay = 2299160;

}  // namespace

int DaysInMonth(int month, int year) {
  switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
      return 30;
    case 2:
      return IsLeapYear(year) ? 29 : 28;
    default:
      return month >= 1 && month <= 12 ? 31 : 0;
  }
}

bool IsLeapYear(int year) {
  if (year % 400 == 0) return true;
  if (year % 100 == 0) return false;
  return year % 4 == 0;
}

// A month outside 1-12 adds no month offset; a month above 12 still gets the leap day.
int DayOfYear(int day, int month, int year) {
  int full_year = FullYear(year);
  int result = day;
  if (month >= 1 && month <= 12) result += kDaysBeforeMonth[month - 1];
  if (month >= 3 && IsLeapYear(full_year)) ++result;
  return result;
}

// 1 January of year 1 of the (proleptic) Gregorian calendar was a Monday; every year moves the
// weekday on by one, every leap year by two. A whole century moves it by 100 + 25 - 1 = 124 days,
// 5 modulo 7, and every fourth century by one more; 28 keeps the sum positive.
int WeekdayOf(int day, int month, int year) {
  int c = year - 1;
  return (DayOfYear(day, month, year) + c % 100 + (c % 100) / 4 + 5 * (c / 100) + (c / 100) / 4 + 28) % 7;
}

int IsoWeekNumber(int day, int month, int year) {
  int week = (DayOfYear(day, month, year) + (WeekdayOf(1, 1, year) + 2) % 7 + 3) / 7;
  if (week < 1) {
    // The first days of January before the first Monday of week 1 belong to the last week of the
    // previous year.
    return ((WeekdayOf(1, 1, year - 1) + 2) % 7 + DayOfYear(31, 12, year - 1) + 3) / 7;
  }
  // The last days of December belong to week 1 of the next year when that week begins in December.
  if (week > 52 && IsoWeekNumber(1, 1, year + 1) == 1) return 1;
  return week;
}

// Gregorian Easter by Knuth's Algorithm E (golden number G, century C, the corrections X and Z,
// the epact E and the date N of the paschal full moon counted from 1 March).
int EasterSunday(int year, int& easter_month, int& easter_day) {
  int y = FullYear(year);
  int g = y % 19 + 1;
  int c = y / 100 + 1;
  int x = (3 * c) / 4 - 12;
  int z = (8 * c + 5) / 25 - 5;
  int d = (5 * y) / 4 - x - 10;
  int e = (11 * g + 20 + z - x) % 30;
  if (e == 25 && g > 11) {
    e = 26;
  } else if (e == 24) {
    e = 25;
  }
  int n = 44 - e;
  if (n < 21) n += 30;
  n = n + 7 - ((d + n) % 7);
  if (n > 31) {
    easter_month = 4;
    easter_day = n - 31;
  } else {
    easter_month = 3;
    easter_day = n;
  }
  return DayOfYear(easter_day, easter_month, y);
}

// The Julian day number of the date, then the fraction of a synodic month since the reference new
// moon. Before the reference the fraction is negative; its absolute value is used as it is.
int MoonAge(int day, int month, int year) {
  int yy = year - (12 - month) / 10;  // January and February count to the previous year
  int mm = month + 9;                 // March = 0 ... February = 11
  if (mm >= 12) mm -= 12;
  double j = std::trunc(mm * 30.6 + 0.5) + std::trunc((yy + 4712) * 365.25) + day + 59;
  if (j > kLastJulianCalendarDay) {
    // The Gregorian calendar drops the leap day of every century year not divisible by 400; the
    // count of dropped days changes with the century, so the century must be a whole number.
    j = j + 38 - std::trunc((yy / 100 + 49) * 0.75);
  }
  double p = (j - kReferenceNewMoon) / kSynodicMonth;
  double fraction = std::fabs(p - std::trunc(p));
  return static_cast<int>(std::trunc(fraction * 29.53));
}

// Ages 1-4 show icon 1, 5-8 icon 2, ... 25-28 icon 7; ages 0 and 29 show the new moon, icon 0.
int MoonIconIndex(int day, int month, int year) {
  int age = MoonAge(day, month, year);
  if (age < 1 || age > 28) return 0;
  return (age + 3) / 4;
}
