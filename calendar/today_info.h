// The information text about today shown in the main window: today's named days, then the day of
// the year and the week number.
#pragma once

#include <cstddef>

// Fills out (capacity bytes, always terminated) for the clock's today and the holiday region.
void TodayInfoText(char* out, std::size_t capacity, int region);
