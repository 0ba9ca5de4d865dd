// Public holidays of the 18 regions and the names of all named days (holidays, remembrance, church
// and season days), computed by rule from the date.
#pragma once

#include <cstddef>

// Region codes: 0 = none, 1-16 = the German states in alphabetical order, 17 = Austria,
// 18 = Switzerland. The list position in the Desktop options page is the code.
constexpr int kRegionCount = 19;

// The fixed German entry texts of the region list, indexed by region code.
extern const char* const kRegionNames[kRegionCount];

// Whether the date is a public holiday in the region, by the law of that year. Weekends are not part
// of this test. Region codes below 1 have no public holidays.
bool IsPublicHoliday(int day, int month, int year, int region);

// The names of every named day that falls on the date, separated by " \r\n", in table order
// (fixed dates, then the Easter group, then the Advent group); empty when there is none. Clears the
// whole buffer first; truncates at capacity and always terminates.
void DayNamesForDate(int day, int month, int year, int region, char* out, std::size_t capacity);
