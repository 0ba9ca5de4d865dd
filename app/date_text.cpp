// The date text: weekday names from the text table and the regional date formats.
#include "app/date_text.h"

#include "common/bounded_text.h"
#include "texts/text_table.h"

std::string WeekdayName(int weekday, const TextTable& text_table) {
  static constexpr const TextEntry* kNames[7] = {&texts::ALARM_SONNTAG,  &texts::ALARM_MONTAG,
                                                 &texts::ALARM_DIENSTAG, &texts::ALARM_MITTWOCH,
                                                 &texts::ALARM_DONNERSTAG, &texts::ALARM_FREITAG,
                                                 &texts::ALARM_SAMSTAG};
  if (weekday < 0 || weekday > 6) return {};
  return text_table.LookupText(*kNames[weekday]).substr(0, kWeekdayNameCapacity - 1);
}

void FormatDateText(char* out, std::size_t capacity, const LocalTime& time, const RegionalSettings& regional,
                    const TextTable& text_table) {
  const std::string weekday = WeekdayName(time.weekday, text_table);
  const char* name = weekday.c_str();
  const char* separator = regional.date_separator.c_str();
  switch (regional.date_order) {
    case 0:
      FormatText(out, capacity, "%s %02d%s%02d%s%04d", name, time.month, separator, time.day, separator, time.year);
      return;
    case 1:
      FormatText(out, capacity, "%s %02d%s%02d%s%04d", name, time.day, separator, time.month, separator, time.year);
      return;
    case 2:
      FormatText(out, capacity, "%s %04d%s%02d%s%02d", name, time.year, separator, time.month, separator, time.day);
      return;
    default:
      CopyText(out, capacity, "");
  }
}

