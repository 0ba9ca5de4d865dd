// quellmoor-cli day YYYY-MM-DD [--region N]: everything the calendar knows about one date, as the
// program would show it on that day.
#include <iomanip>
#include <string>

#include "calendar/clock.h"
#include "calendar/date_arithmetic.h"
#include "calendar/holidays.h"
#include "calendar/today_info.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/json_writer.h"
#include "common/bounded_text.h"

namespace {

// The capacities the main window passes.
constexpr std::size_t kNamesCapacity = 400;
constexpr std::size_t kInfoTextCapacity = 400;

constexpr std::string_view kNameSeparator = " \r\n";

std::string IsoDate(int day, int month, int year) {
  char text[16];
  FormatText(text, sizeof text, "%04d-%02d-%02d", year, month, day);
  return text;
}

JsonArray NamesArray(std::string_view names) {
  JsonArray array;
  while (!names.empty()) {
    std::size_t separator = names.find(kNameSeparator);
    array.AddText(names.substr(0, separator));
    if (separator == std::string_view::npos) break;
    names.remove_prefix(separator + kNameSeparator.size());
  }
  return array;
}

// The information text with plain line feeds: CR LF becomes LF, the blank that ends each name goes,
// and so does the final line break.
std::string PlainLines(std::string_view text) {
  std::string lines;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    if (text[i] == '\n' && !lines.empty() && lines.back() == ' ') lines.pop_back();
    lines += text[i];
  }
  if (!lines.empty() && lines.back() == '\n') lines.pop_back();
  return lines;
}

// The information text as the main window would show it on that date.
std::string InfoTextOn(const CalendarDate& date, int region) {
  char text[kInfoTextCapacity];
  TodayInfoText(text, sizeof text, WithWeekday(LocalTime{.day = date.day, .month = date.month, .year = date.year}),
                region, TextTable());
  return text;
}

}  // namespace

int DayCommand(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err) {
  std::optional<RegionCommandArguments> split = SplitRegionCommandArguments("day", "YYYY-MM-DD", arguments, err);
  if (!split) return kExitBadArguments;
  std::optional<CalendarDate> date = ParseDate(split->positional);
  if (!date) {
    BadArgumentMessage(err, "day") << "bad date " << std::quoted(split->positional)
                                   << " (expected an existing date YYYY-MM-DD from 1583-01-01 to 9999-12-31)\n";
    return kExitBadArguments;
  }
  int region = split->region;

  auto [day, month, year] = *date;
  int easter_month = 0;
  int easter_day = 0;
  int easter = EasterSunday(year, easter_month, easter_day);
  char names[kNamesCapacity];
  DayNamesForDate(day, month, year, region, names, sizeof names);

  JsonObject json;
  json.AddText("date", IsoDate(day, month, year))
      .AddNumber("weekday", WeekdayOf(day, month, year))
      .AddNumber("day_of_year", DayOfYear(day, month, year))
      .AddNumber("iso_week", IsoWeekNumber(day, month, year))
      .AddNumber("days_in_month", DaysInMonth(month, year))
      .AddNumber("leap", IsLeapYear(year) ? 1 : 0)
      .AddText("easter", IsoDate(easter_day, easter_month, year))
      .AddNumber("easter_day_of_year", easter)
      .AddNumber("moon_age", MoonAge(day, month, year))
      .AddNumber("moon_icon", MoonIconIndex(day, month, year))
      .AddNumber("public_holiday", IsPublicHoliday(day, month, year, region) ? 1 : 0)
      .AddArray("names", NamesArray(names))
      .AddText("info_text", PlainLines(InfoTextOn(*date, region)));
  WriteJsonLine(out, json);
  return kExitSuccess;
}
