// Independent computations the calendar tests compare against: other algorithms for the same facts,
// so that a fault in the program's formulas cannot hide in a test that restates them.
#pragma once

#include <cmath>

// The Julian day number of a Gregorian date (Fliegel and Van Flandern).
inline long TrueJulianDayNumber(int day, int month, int year) {
  long a = (14 - month) / 12;
  long y = year + 4800 - a;
  long m = month + 12 * a - 3;
  return day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
}

// The moon's age in whole days, counted from the new moon of 6 January 2000 through the true Julian
// day number, with the program's truncation of negative fractions.
inline int ReferenceMoonAge(int day, int month, int year) {
  double p = (TrueJulianDayNumber(day, month, year) - 2451550.1) / 29.530588853;
  return static_cast<int>(std::trunc(std::fabs(p - std::trunc(p)) * 29.53));
}

struct MonthDay {
  int month;
  int day;
};

// Gregorian Easter Sunday by the anonymous algorithm (Meeus, Jones, Butcher).
inline MonthDay ReferenceEaster(int year) {
  int a = year % 19;
  int b = year / 100;
  int c = year % 100;
  int d = b / 4;
  int e = b % 4;
  int f = (b + 8) / 25;
  int g = (b - f + 1) / 3;
  int h = (19 * a + b - d - g + 15) % 30;
  int i = c / 4;
  int k = c % 4;
  int l = (32 + 2 * e + 2 * i - h - k) % 7;
  int m = (a + 11 * h + 22 * l) / 451;
  int month = (h + l - 7 * m + 114) / 31;
  int day = (h + l - 7 * m + 114) % 31 + 1;
  return {month, day};
}
