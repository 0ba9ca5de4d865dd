// The local clock, read through a small interface: whoever needs the moment is handed a clock (or
// the moment itself), so that tests and the command-line tool can set the date and time.
#pragma once

struct LocalTime {
  int day = 1;
  int month = 1;
  int year = 2000;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int weekday = 0;  // 0 = Sunday
  int milliseconds = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  // One reading of the local date and time.
  virtual LocalTime Now() const = 0;
};

// A clock that always shows the same moment (tests, the command-line tool's --date).
class FixedClock : public Clock {
 public:
  explicit FixedClock(const LocalTime& time) : time_(time) {}
  LocalTime Now() const override { return time_; }
  void Set(const LocalTime& time) { time_ = time; }

 private:
  LocalTime time_;
};

// The operating system's local clock.
class SystemClock : public Clock {
 public:
  LocalTime Now() const override;
};

// The same moment with its weekday filled in from the date (for clocks made from a bare date).
LocalTime WithWeekday(LocalTime time);
