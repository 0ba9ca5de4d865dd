// The operating system's local clock on Linux: the real-time clock in the local time zone.
#include <time.h>

#include "calendar/clock.h"

LocalTime SystemClock::Now() const {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  tm local{};
  localtime_r(&now.tv_sec, &local);
  return LocalTime{.day = local.tm_mday,
                   .month = local.tm_mon + 1,
                   .year = local.tm_year + 1900,
                   .hour = local.tm_hour,
                   .minute = local.tm_min,
                   .second = local.tm_sec,
                   .weekday = local.tm_wday,
                   .milliseconds = static_cast<int>(now.tv_nsec / 1000000)};
}
