// The month command: the marked days of whole months, and its refusals.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "cli/tests/run_command.h"

namespace {

// The expected output for a month of day_count days whose first day falls on first_weekday, with the
// given days marked.
std::string MonthJson(const char* month, int day_count, int first_weekday, const std::set<int>& marked) {
  std::string json = std::string(R"({"month":")") + month + R"(","days":[)";
  for (int day = 1; day <= day_count; ++day) {
    if (day > 1) json += ",";
    json += R"({"day":)" + std::to_string(day) + R"(,"weekday":)" +
            std::to_string((first_weekday + day - 1) % 7) + R"(,"marked":)" +
            (marked.contains(day) ? "1" : "0") + "}";
  }
  return json + "]}\n";
}

// July 2007 begins on a Sunday and has no public holiday anywhere.
TEST(MonthCommandTest, WeekendsAreMarked) {
  const std::set<int> weekends = {1, 7, 8, 14, 15, 21, 22, 28, 29};
  CommandRun run = RunCommand(MonthCommand, {"2007-07"});
  EXPECT_EQ(run.exit_code, kExitSuccess);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, MonthJson("2007-07", 31, 0, weekends));
  EXPECT_EQ(RunCommand(MonthCommand, {"2007-07", "--region", "2"}).out, run.out);
}

// May 2026 begins on a Friday; Ascension is the 14th, Whit Monday the 25th, Corpus Christi 4 June.
TEST(MonthCommandTest, PublicHolidaysOfTheRegionAreMarked) {
  const std::set<int> weekends = {2, 3, 9, 10, 16, 17, 23, 24, 30, 31};
  std::set<int> switzerland = weekends;
  switzerland.insert({14, 25});
  std::set<int> bavaria = switzerland;
  bavaria.insert(1);
  EXPECT_EQ(RunCommand(MonthCommand, {"2026-05", "--region", "18"}).out,
            MonthJson("2026-05", 31, 5, switzerland));
  EXPECT_EQ(RunCommand(MonthCommand, {"2026-05", "--region", "2"}).out, MonthJson("2026-05", 31, 5, bavaria));
  EXPECT_EQ(RunCommand(MonthCommand, {"2026-05"}).out, MonthJson("2026-05", 31, 5, weekends));
}

TEST(MonthCommandTest, FebruaryOfALeapYear) {
  EXPECT_EQ(RunCommand(MonthCommand, {"2000-02"}).out,
            MonthJson("2000-02", 29, 2, {5, 6, 12, 13, 19, 20, 26, 27}));
}

TEST(MonthCommandTest, RefusesBadArgumentsNamingThem) {
  ExpectRefused(MonthCommand, "month",
                {
                    {{"2026-13"}, "\"2026-13\""},
                    {{"1582-12"}, "\"1582-12\""},
                    {{"2026-5"}, "\"2026-5\""},
                    {{"2026-05-01"}, "\"2026-05-01\""},
                    {{"May"}, "\"May\""},
                    {{"2026-05", "--region", "-99999999999"}, "\"-99999999999\""},
                    {{"2026-05", "--region", "1", "--region", "2"}, "--region"},
                    {{}, "YYYY-MM"},
                });
}

}  // namespace
