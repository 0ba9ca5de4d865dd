// quellmoor-cli month YYYY-MM [--region N]: the days of a month as the wallpaper's month line shows
// them, Saturdays, Sundays and public holidays of the region marked.
#include <iomanip>

#include "calendar/date_arithmetic.h"
#include "calendar/holidays.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/json_writer.h"
#include "common/bounded_text.h"

int MonthCommand(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err) {
  std::optional<RegionCommandArguments> split = SplitRegionCommandArguments("month", "YYYY-MM", arguments, err);
  if (!split) return kExitBadArguments;
  std::optional<CalendarMonth> month = ParseYearMonth(split->positional);
  if (!month) {
    BadArgumentMessage(err, "month") << "bad month " << std::quoted(split->positional)
                                     << " (expected YYYY-MM from 1583-01 to 9999-12)\n";
    return kExitBadArguments;
  }

  JsonArray days;
  for (int day = 1; day <= DaysInMonth(month->month, month->year); ++day) {
    int weekday = WeekdayOf(day, month->month, month->year);
    bool marked = weekday == 0 || weekday == 6 || IsPublicHoliday(day, month->month, month->year, split->region);
    days.AddObject(
        JsonObject().AddNumber("day", day).AddNumber("weekday", weekday).AddNumber("marked", marked ? 1 : 0));
  }
  char month_text[8];
  FormatText(month_text, sizeof month_text, "%04d-%02d", month->year, month->month);
  JsonObject json;
  json.AddText("month", month_text).AddArray("days", days);
  WriteJsonLine(out, json);
  return kExitSuccess;
}
