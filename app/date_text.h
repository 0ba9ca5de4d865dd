// The date text of the tray tooltip and the main window: the weekday's name and the date in the
// order and with the separator of the user's regional settings ("Montag 07.12.2026").
#pragma once

#include <cstddef>

#include "calendar/clock.h"
#include "settings/settings.h"

// A weekday name holds at most 39 characters; longer names from the language file are cut.
inline constexpr std::size_t kWeekdayNameCapacity = 40;

// Loads the seven weekday names (ALARM / "SONNTAG" ... "SAMSTAG") from the text table; the program
// does this once at start-up.
void LoadWeekdayNames();

// The loaded name of weekday 0 (Sunday) ... 6 (Saturday); empty before the names are loaded and for
// any other number.
const char* WeekdayName(int weekday);

// "<weekday name> <date>" for the time, bounded by capacity: date order 0 gives month, day, year,
// 1 day, month, year, 2 year, month, day (two-digit day and month, four-digit year), with the
// separator between them. Any other date order gives an empty text.
void FormatDateText(char* out, std::size_t capacity, const LocalTime& time, const RegionalSettings& regional);

