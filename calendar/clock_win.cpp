// The operating system's local clock on Windows: one GetLocalTime reading.
#include <windows.h>

#include "calendar/clock.h"

namespace {

class WindowsClock : public Clock {
 public:
  LocalTime Now() const override {
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
};

}  // namespace

const Clock& SystemClock() {
  static const WindowsClock clock;
  return clock;
}
