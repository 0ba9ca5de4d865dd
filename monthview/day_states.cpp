// Working out the bold days of the months the calendar shows.
#include "monthview/day_states.h"

#include "calendar/date_arithmetic.h"
#include "calendar/holidays.h"

namespace {

constexpr int kSunday = 0;
constexpr int kSaturday = 6;

std::uint32_t MonthMask(int first_day, int month, int year, int region) {
  std::uint32_t mask = 0;
  for (int day = first_day; day <= DaysInMonth(month, year); ++day) {
    const int weekday = WeekdayOf(day, month, year);
    if (weekday == kSaturday || weekday == kSunday || IsPublicHoliday(day, month, year, region)) {
      mask |= std::uint32_t{1} << (day - 1);
    }
  }
  return mask;
}

}  // namespace

std::vector<std::uint32_t> DayStateMasks(int day, int month, int year, int month_count, int region) {
  std::vector<std::uint32_t> masks;
  if (month_count < 1) return masks;
  masks.reserve(static_cast<std::size_t>(month_count));
  for (int index = 0; index < month_count; ++index) {
    masks.push_back(MonthMask(index == 0 ? day : 1, month, year, region));
    if (++month > 12) {
      month = 1;
      ++year;
    }
  }
  return masks;
}
