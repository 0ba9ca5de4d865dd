// The due rule: which kinds fall due when, the snooze countdown, and what firing, snoozing and
// acknowledging leave in the record, over days and years.
#include "alarm/due_rule.h"

#include <gtest/gtest.h>

#include "alarm/tests/alarm_test_support.h"

namespace {

// One pass of the check over the record: candidate, then countdown or time of day; a firing is
// marked as the check marks it.
bool Pass(Appointment& appointment, const LocalTime& now) {
  if (!IsCandidate(appointment, now) || !FallsDueAtThisPass(appointment, now)) return false;
  MarkFired(appointment, now);
  return true;
}

TEST(DueRuleTest, EachKindFallsDueOnItsDaysAtOrAfterItsTime) {
  // 8 December 2026 is a Tuesday.
  const struct {
    int kind;
    int year, month, day;  // the stored date
    LocalTime now;
    bool fires;
  } cases[] = {
      {kKindOff, 2026, 12, 8, At(2026, 12, 8, 9), false},
      {kKindOnce, 2026, 12, 8, At(2026, 12, 8, 7, 59), false},
      {kKindOnce, 2026, 12, 8, At(2026, 12, 8, 8, 0), true},
      {kKindOnce, 2025, 12, 31, At(2026, 12, 8, 8), true},  // passed unnoticed: fires at its time
      {kKindOnce, 2026, 12, 9, At(2026, 12, 8, 23, 59), false},
      {kKindDaily, 2001, 1, 1, At(2026, 12, 8, 9, 30), true},
      {kKindMonthly, 2001, 1, 8, At(2026, 11, 8, 8), true},
      {kKindMonthly, 2001, 1, 31, At(2026, 11, 30, 23), false},  // a month without the 31st
      {kKindYearly, 2001, 12, 8, At(2026, 12, 8, 8), true},
      {kKindYearly, 2001, 12, 8, At(2026, 11, 8, 8), false},
      {kKindYearly, 2004, 2, 29, At(2028, 2, 29, 8), true},
      {kKindYearly, 2004, 2, 29, At(2027, 2, 28, 23), false},
      {kKindMonday + 1, 2001, 1, 1, At(2026, 12, 8, 8), true},  // Tuesday
      {kKindMonday + 4, 2001, 1, 1, At(2026, 12, 8, 8), false},  // Friday
      {kKindMonday + 4, 2001, 1, 1, At(2026, 12, 11, 8), true},
      {kKindSunday, 2001, 1, 1, At(2026, 12, 13, 8), true},
      {kKindSunday, 2001, 1, 1, At(2026, 12, 12, 8), false},
      {12, 2001, 1, 1, At(2026, 12, 8, 8), false},
  };
  for (const auto& c : cases) {
    Appointment appointment = MakeAppointment("t", c.kind, c.year, c.month, c.day, 8, 0);
    EXPECT_EQ(Pass(appointment, c.now), c.fires) << "kind " << c.kind << " on " << c.now.day << "." << c.now.month;
  }
}

TEST(DueRuleTest, RecurringAppointmentsFireOncePerDayAndAgainOnTheSameDayOfLaterYears) {
  Appointment yearly = MakeAppointment("Geburtstag", kKindYearly, 2001, 12, 8);
  Appointment daily = MakeAppointment("Tabletten", kKindDaily);
  for (int year : {2025, 2026, 2027}) {
    EXPECT_TRUE(Pass(yearly, At(year, 12, 8, 9))) << year;
    EXPECT_FALSE(Pass(yearly, At(year, 12, 8, 10))) << year;
    EXPECT_TRUE(Pass(daily, At(year, 12, 8, 9))) << year;
    EXPECT_FALSE(Pass(daily, At(year, 12, 8, 23, 59))) << year;
  }
  // A record from before the year was kept goes by the day of the year until it fires again.
  Appointment old_record = MakeAppointment("alt", kKindDaily);
  old_record.last_fired = 342;
  EXPECT_FALSE(Pass(old_record, At(2026, 12, 8, 9)));
  EXPECT_TRUE(Pass(old_record, At(2026, 12, 9, 9)));
  EXPECT_EQ(old_record.last_fired_year, 2026);
}

TEST(DueRuleTest, SnoozeBringsTheAlarmBackAtTheSnoozeTimesPassWhateverItsTime) {
  Appointment once = MakeAppointment("Termin", kKindOnce, 2026, 12, 8, 8, 0);
  ASSERT_TRUE(Pass(once, At(2026, 12, 8, 8, 0)));
  SnoozeAppointment(once, 5);
  EXPECT_EQ(once.last_fired, 0);
  for (int minute = 1; minute <= 4; ++minute) EXPECT_FALSE(Pass(once, At(2026, 12, 8, 8, minute))) << minute;
  EXPECT_TRUE(Pass(once, At(2026, 12, 8, 8, 5)));
  AcknowledgeNotice(once);
  EXPECT_EQ(once.kind, kKindOff);
  EXPECT_FALSE(Pass(once, At(2026, 12, 8, 8, 6)));

  // A snooze time of 0 (none stored yet) brings it back at the next pass, its time having passed.
  Appointment daily = MakeAppointment("Tabletten", kKindDaily);
  ASSERT_TRUE(Pass(daily, At(2026, 12, 8, 9)));
  SnoozeAppointment(daily, 0);
  EXPECT_TRUE(Pass(daily, At(2026, 12, 8, 9, 1)));
  AcknowledgeNotice(daily);
  EXPECT_EQ(daily.kind, kKindDaily);
}

}  // namespace
