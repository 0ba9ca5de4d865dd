// The public holidays of the Swiss cantons (region codes 19-44), each by its own law.
#pragma once

#include <span>

#include "calendar/day_rules.h"

// The rows of every canton; a row holds only for canton codes.
std::span<const DayRule> CantonPublicHolidays();
