// The information text about today shown in the main window: today's named days, then the day of
// the year and the week number.
#pragma once

#include <cstddef>

#include "calendar/clock.h"
#include "texts/text_table.h"

// Fills out (capacity bytes, always terminated) for today and the holiday region, in the text table's
// language.
void TodayInfoText(char* out, std::size_t capacity, const LocalTime& today, int region, const TextTable& text_table);
