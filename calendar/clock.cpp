// Clock helpers.
#include "calendar/clock.h"

#include "calendar/date_arithmetic.h"

LocalTime WithWeekday(LocalTime time) {
  time.weekday = WeekdayOf(time.day, time.month, time.year);
  return time;
}
