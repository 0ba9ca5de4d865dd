// The day command: its whole output for chosen dates and regions, and its refusals.
#include <gtest/gtest.h>

#include "cli/tests/run_command.h"

namespace {

TEST(DayCommandTest, NamedDayWithoutRegion) {
  CommandRun run = RunCommand(DayCommand, {"2026-12-08"});
  EXPECT_EQ(run.exit_code, kExitSuccess);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out,
            Utf8(u8R"({"date":"2026-12-08","weekday":2,"day_of_year":342,"iso_week":50,"days_in_month":31,)"
                 u8R"("leap":0,"easter":"2026-04-05","easter_day_of_year":95,"moon_age":28,"moon_icon":7,)"
                 u8R"("public_holiday":0,"names":["Mariä Empfängnis"],)"
                 u8R"("info_text":"Mariä Empfängnis\n\n342. Tag im Jahr\n50. Kalenderwoche"})"
                 u8"\n"));
  EXPECT_EQ(RunCommand(DayCommand, {"2026-12-08", "--region", "0"}).out, run.out);
}

TEST(DayCommandTest, SeveralNamesAndAnEasterInApril) {
  CommandRun run = RunCommand(DayCommand, {"2007-03-25"});
  EXPECT_EQ(run.exit_code, kExitSuccess);
  EXPECT_EQ(run.out,
            Utf8(u8R"({"date":"2007-03-25","weekday":0,"day_of_year":84,"iso_week":12,"days_in_month":31,)"
                 u8R"("leap":0,"easter":"2007-04-08","easter_day_of_year":98,"moon_age":6,"moon_icon":2,)"
                 u8R"("public_holiday":0,"names":["Mariä Verkündung","Beginn der Sommerzeit","Judika"],)"
                 u8R"("info_text":"Mariä Verkündung\nBeginn der Sommerzeit\nJudika\n\n84. Tag im Jahr\n)"
                 u8R"(12. Kalenderwoche"})"
                 u8"\n"));
}

TEST(DayCommandTest, PublicHolidayOfTheRegion) {
  CommandRun run = RunCommand(DayCommand, {"--region", "6", "2017-10-31"});
  EXPECT_EQ(run.exit_code, kExitSuccess);
  EXPECT_EQ(run.out,
            Utf8(u8R"({"date":"2017-10-31","weekday":2,"day_of_year":304,"iso_week":44,"days_in_month":31,)"
                 u8R"("leap":0,"easter":"2017-04-16","easter_day_of_year":106,"moon_age":11,"moon_icon":3,)"
                 u8R"("public_holiday":1,"names":["Reformationstag"],)"
                 u8R"("info_text":"Reformationstag\n\n304. Tag im Jahr\n44. Kalenderwoche"})"
                 u8"\n"));
}

// A canton's code: Genf's own day, named in French and red there only.
TEST(DayCommandTest, CantonRegion) {
  const std::string genf = RunCommand(DayCommand, {"2026-09-10", "--region", "26"}).out;
  EXPECT_NE(genf.find(Utf8(u8R"("public_holiday":1,"names":["Jeûne genevois"])")), std::string::npos) << genf;
  const std::string schweiz = RunCommand(DayCommand, {"2026-09-10", "--region", "18"}).out;
  EXPECT_NE(schweiz.find(R"("public_holiday":0,"names":[])"), std::string::npos) << schweiz;
}

TEST(DayCommandTest, DayWithoutNamesAndTheEdgesOfTheRange) {
  EXPECT_EQ(RunCommand(DayCommand, {"2008-02-29", "--region", "2"}).out,
            R"({"date":"2008-02-29","weekday":5,"day_of_year":60,"iso_week":9,"days_in_month":29,)"
            R"("leap":1,"easter":"2008-03-23","easter_day_of_year":83,"moon_age":22,"moon_icon":6,)"
            R"("public_holiday":0,"names":[],"info_text":"60. Tag im Jahr\n9. Kalenderwoche"})"
            "\n");
  EXPECT_EQ(RunCommand(DayCommand, {"1583-01-01"}).exit_code, kExitSuccess);
  EXPECT_EQ(RunCommand(DayCommand, {"9999-12-31", "--region", "2147483647"}).exit_code, kExitSuccess);
  EXPECT_EQ(RunCommand(DayCommand, {"2026-12-25", "--region", "-2147483648"}).exit_code, kExitSuccess);
}

TEST(DayCommandTest, RefusesBadArgumentsNamingThem) {
  ExpectRefused(DayCommand, "day",
                {
                    {{"2026-02-30"}, "\"2026-02-30\""},
                    {{"2026-13-01"}, "\"2026-13-01\""},
                    {{"1582-12-31"}, "\"1582-12-31\""},
                    {{"text"}, "\"text\""},
                    {{"2026-1-5"}, "\"2026-1-5\""},
                    {{"2026-12-08", "--region", "x"}, "\"x\""},
                    {{"2026-12-08", "--region", "2147483648"}, "\"2147483648\""},
                    {{"2026-12-08", "--region", "1.5"}, "\"1.5\""},
                    {{"2026-12-08", "--region"}, "--region"},
                    {{"2026-12-08", "--regions", "1"}, "\"--regions\""},
                    {{"2026-12-08", "2026-12-09"}, "\"2026-12-09\""},
                    {{}, "YYYY-MM-DD"},
                });
}

}  // namespace
