// The date text: each regional date order with its separator, the weekday names and their limit,
// and the buffer's capacity.
#include "app/date_text.h"

#include <gtest/gtest.h>

#include <string>

#include "common/tests/temp_folder.h"
#include "texts/text_table.h"

namespace {

LocalTime Day(int day, int month, int year) {
  LocalTime time;
  time.day = day;
  time.month = month;
  time.year = year;
  return WithWeekday(time);
}

RegionalSettings Regional(int date_order, const char* separator) {
  RegionalSettings regional;
  regional.date_order = date_order;
  regional.date_separator = separator;
  return regional;
}

std::string Format(const LocalTime& time, const RegionalSettings& regional, std::size_t capacity = 256) {
  char text[256];
  FormatDateText(text, capacity, time, regional, TextTable());
  return text;
}

TEST(DateTextTest, EachDateOrderWithItsSeparator) {
  struct Case {
    LocalTime time;
    int date_order;
    const char* separator;
    const char* expected;
  };
  const Case cases[] = {
      {Day(7, 12, 2026), 1, ".", "Montag 07.12.2026"},
      {Day(3, 3, 2027), 2, "-", "Mittwoch 2027-03-03"},
      {Day(3, 3, 2027), 0, "/", "Mittwoch 03/03/2027"},
      {Day(5, 1, 2030), 0, "/", "Samstag 01/05/2030"},
      {Day(5, 1, 2030), 1, "", "Samstag 05012030"},
      {Day(29, 2, 2032), 1, " / ", "Sonntag 29 / 02 / 2032"},
      {Day(8, 10, 2031), 2, ".", "Mittwoch 2031.10.08"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Format(c.time, Regional(c.date_order, c.separator)), c.expected)
        << "order " << c.date_order << " separator \"" << c.separator << "\"";
  }
}

TEST(DateTextTest, AnyOtherDateOrderGivesAnEmptyText) {
  for (int order : {-1, 3, 42}) EXPECT_EQ(Format(Day(7, 12, 2026), Regional(order, ".")), "") << order;
}

TEST(DateTextTest, TheTextIsCutAtTheCapacity) {
  EXPECT_EQ(Format(Day(7, 12, 2026), Regional(1, "."), 10), "Montag 07");
  EXPECT_EQ(Format(Day(7, 12, 2026), Regional(1, "."), 1), "");
}

TEST(DateTextTest, WeekdayNamesComeFromTheLanguageFileAndAreCutTo39Characters) {
  TempFolder folder{"text"};
  const std::string long_name(60, 'x');
  folder.Write(kGerman.file_name, "[ALARM]\r\nMONTAG=" + long_name + "\r\nFREITAG=Fr\xE9itag\r\n");
  TextTable text_table;
  text_table.UseLanguage(folder.path(), kGerman);
  EXPECT_EQ(WeekdayName(1, text_table), std::string(39, 'x'));
  EXPECT_EQ(WeekdayName(5, text_table), "Fr\xE9itag");
  EXPECT_EQ(WeekdayName(0, text_table), "Sonntag");
  EXPECT_EQ(WeekdayName(7, text_table), "");
  EXPECT_EQ(WeekdayName(-1, text_table), "");
}

}  // namespace
