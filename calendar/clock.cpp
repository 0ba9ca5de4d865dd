// Which clock LocalNow reads: the operating system's, or one set by a test or the command-line tool.
#include "calendar/clock.h"

#include "calendar/date_arithmetic.h"

namespace {

const Clock* g_clock = nullptr;

}  // namespace

void SetClock(const Clock* clock) { g_clock = clock; }

LocalTime LocalNow() { return g_clock != nullptr ? g_clock->Now() : SystemClock().Now(); }

LocalTime WithWeekday(LocalTime time) {
  time.weekday = WeekdayOf(time.day, time.month, time.year);
  return time;
}
