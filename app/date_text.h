// The date text of the tray tooltip and the main window: the weekday's name and the date in the
// order and with the separator of the user's regional settings ("Montag 07.12.2026").
#pragma once

#include <cstddef>
#include <string>

#include "calendar/clock.h"
#include "settings/settings.h"
#include "texts/text_table.h"

// A weekday name holds at most 39 characters; longer names from the language file are cut.
inline constexpr std::size_t kWeekdayNameCapacity = 40;

// The name of weekday 0 (Sunday) ... 6 (Saturday) from the text table (ALARM / "SONNTAG" ...
// "SAMSTAG"); empty for any other number.
std::string WeekdayName(int weekday, const TextTable& text_table);

// "<weekday name> <date>" for the time, bounded by capacity: date order 0 gives month, day, year,
// 1 day, month, year, 2 year, month, day (two-digit day and month, four-digit year), with the
// separator between them. Any other date order gives an empty text.
void FormatDateText(char* out, std::size_t capacity, const LocalTime& time, const RegionalSettings& regional,
                    const TextTable& text_table);
