// Pure date functions of the Gregorian calendar that every part of the program uses. Dates are passed
// as day, month, year (in that order); weekdays count 0 = Sunday ... 6 = Saturday; days of the year
// count from 1.
#pragma once

// 28-31; 0 when month is outside 1-12.
int DaysInMonth(int month, int year);

bool IsLeapYear(int year);

// 1 for 1 January. Years 0-99 are taken as two-digit years (0-38 -> 2000-2038, 39-99 -> 1939-1999)
// here and in EasterSunday; every other year is used as it is.
int DayOfYear(int day, int month, int year);

int WeekdayOf(int day, int month, int year);

// ISO 8601 week number 1-53 (weeks begin on Monday; week 1 holds the year's first Thursday).
int IsoWeekNumber(int day, int month, int year);

// Day of the year of Easter Sunday; its month (3 or 4) and day of the month go to the out-parameters.
int EasterSunday(int year, int& easter_month, int& easter_day);

// Whole days since the last new moon, 0-29.
int MoonAge(int day, int month, int year);

// 0-7, the number in the moon icon's resource name "MOND%01d"; 0 = new moon, 4 = full moon.
int MoonIconIndex(int day, int month, int year);
