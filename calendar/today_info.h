// The information text about today shown in the main window: today's named days, then the day of
// the year and the week number.
#pragma once

#include <cstddef>

#include "calendar/clock.h"

// Fills out (capacity bytes, always terminated) for today and the holiday region.
void TodayInfoText(char* out, std::size_t capacity, const LocalTime& today, int region);
