// The information text about today in the main window: the names of today's named days, a blank
// line, then the day of the year and the week number, each on its own line.
#include "calendar/today_info.h"

#include "calendar/date_arithmetic.h"
#include "calendar/holidays.h"
#include "common/bounded_text.h"
#include "texts/text_table.h"

namespace {

constexpr std::size_t kNamesCapacity = 400;
constexpr std::size_t kLineCapacity = 160;

// One line of the text: the text-table format filled in with number, then a line break.
template <std::size_t N>
void FormatLine(char (&line)[N], const TextTable& text_table, const TextEntry& entry, int number) {
  FormatText(line, N, text_table.LookupFormat(entry).c_str(), number);
  AppendText(line, "\n");
}

}  // namespace

void TodayInfoText(char* out, std::size_t capacity, const LocalTime& today, int region, const TextTable& text_table) {
  int week = IsoWeekNumber(today.day, today.month, today.year);
  int day_of_year = DayOfYear(today.day, today.month, today.year);

  CopyText(out, capacity, "");
  char names[kNamesCapacity];
  DayNamesForDate(today.day, today.month, today.year, region, names, sizeof names);
  if (names[0] != '\0') {
    AppendText(out, capacity, names);
    AppendText(out, capacity, "\n\n");
  }

  char day_line[kLineCapacity];
  FormatLine(day_line, text_table, texts::MAIN_TAGIMJAHR, day_of_year);
  char week_line[kLineCapacity];
  FormatLine(week_line, text_table, texts::MAIN_KALENDERWOCHE, week);
  AppendText(out, capacity, day_line);
  AppendText(out, capacity, week_line);
}
