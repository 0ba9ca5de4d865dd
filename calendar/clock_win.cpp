// The operating system's local clock on Windows: one GetLocalTime reading.
#include <windows.h>

#include "calendar/clock.h"

LocalTime SystemClock::Now() const {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return LocalTime{.day = now.wDay,
                   .month = now.wMonth,
                   .year = now.wYear,
                   .hour = now.wHour,
                   .minute = now.wMinute,
                   .second = now.wSecond,
                   .weekday = now.wDayOfWeek,
                   .milliseconds = now.wMilliseconds};
}
