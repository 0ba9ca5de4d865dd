// The bold days of the month calendar: Saturdays, Sundays and the public holidays of the chosen
// holiday region, as one 32-bit mask a month, the form in which the calendar control asks for them.
#pragma once

#include <cstdint>
#include <vector>

// One mask for each of month_count months from the first date the calendar shows (day, month, year);
// bit d - 1 set = day d bold. A day is bold when it is a Saturday or a Sunday or, with a region other
// than 0, a public holiday of that region by the law of its year. In the first month the days before
// the first shown day stay clear. No masks for a count below 1.
std::vector<std::uint32_t> DayStateMasks(int day, int month, int year, int month_count, int region);
