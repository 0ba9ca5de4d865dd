// The alarm editor's rules: new names and records, deleting, date choices and usable controls.
#include "alarm/editor_rules.h"

#include <gtest/gtest.h>

#include "alarm/tests/alarm_test_support.h"

namespace {

TEST(EditorRulesTest, NewRecordsGetTheFirstFreeNameTheNextHourAndToday) {
  AppointmentTable table;
  for (const char* expected : {"(neu)", "(neu 2)", "(neu 3)"}) {
    ASSERT_TRUE(AppendNewAppointment(table, At(2026, 12, 8, 21, 10), TextTable()));
    EXPECT_STREQ(table.records[static_cast<std::size_t>(table.selected)].name, expected);
  }
  const Appointment& made = table.records[2];
  EXPECT_EQ(made.kind, kKindOnce);
  EXPECT_EQ(made.hour, 22);
  EXPECT_EQ(made.minute, 0);
  EXPECT_EQ(made.year, 2026);

  // Names taken in any order and case; the free one is found, and 23:40 stays in the day.
  AppointmentTable taken;
  taken.records[0] = MakeAppointment("(NEU 2)", kKindDaily);
  taken.records[1] = MakeAppointment("(neu)", kKindDaily);
  taken.count = 2;
  ASSERT_TRUE(AppendNewAppointment(taken, At(2026, 12, 8, 23, 40), TextTable()));
  EXPECT_STREQ(taken.records[2].name, "(neu 3)");
  EXPECT_EQ(taken.records[2].hour, 23);

  taken.count = kEditorRecordLimit;
  EXPECT_FALSE(AppendNewAppointment(taken, At(2026, 12, 8), TextTable()));
  EXPECT_FALSE(UsableControls(taken).add);
}

TEST(EditorRulesTest, DeleteMovesTheRestDownAndRefusesProtectedRecords) {
  AppointmentTable table;
  for (const char* name : {"a", "b", "c"}) {
    table.records[static_cast<std::size_t>(table.count++)] = MakeAppointment(name, kKindOnce);
  }
  table.selected = 1;
  ASSERT_TRUE(DeleteSelectedAppointment(table));
  EXPECT_EQ(table.count, 2);
  EXPECT_STREQ(table.records[1].name, "c");
  EXPECT_STREQ(table.records[2].name, "");
  EXPECT_EQ(table.selected, 0);
  table.records[0].protected_flag = 1;
  EXPECT_FALSE(DeleteSelectedAppointment(table));
  EXPECT_EQ(table.count, 2);
}

TEST(EditorRulesTest, DatesAreClampedToTheMonthExceptForMonthlyAppointments) {
  Appointment once = MakeAppointment("x", kKindOnce, 2007, 1, 31);
  once.last_fired = 5;
  ChooseDate(once, DateField::kMonth, 1);
  EXPECT_EQ(once.day, 28);
  EXPECT_EQ(once.last_fired, 0);
  Appointment monthly = MakeAppointment("x", kKindMonthly, 2007, 1, 31);
  ChooseDate(monthly, DateField::kMonth, 1);
  EXPECT_EQ(monthly.day, 31);
  ChooseDate(once, DateField::kYear, 2008 - kFirstListedYear);
  EXPECT_EQ(once.year, 2008);
  EXPECT_EQ(LastListedYear(2026), 2051);
  EXPECT_EQ(LastListedYear(2001), 2030);
}

TEST(EditorRulesTest, ControlsAreUsableByKindActionAndProtection) {
  AppointmentTable table;
  EditorControls empty = UsableControls(table);
  EXPECT_TRUE(empty.add);
  EXPECT_FALSE(empty.name || empty.kind || empty.test || empty.remove);

  const struct {
    int kind, action, protected_flag;
    bool day, month, year, time, file, test, remove;
  } cases[] = {
      {kKindOnce, kActionSound, 0, true, true, true, true, true, true, true},
      {kKindMonthly, kActionNotice, 0, true, false, false, true, false, true, true},
      {kKindYearly, kActionProgram, 0, true, true, false, true, true, true, true},
      {kKindDaily, kActionNothing, 0, false, false, false, true, false, false, true},
      {kKindOff, kActionNotice, 0, false, false, false, false, false, true, true},
      {kKindOnce, kActionSound, 1, false, false, false, false, false, true, false},
  };
  for (const auto& c : cases) {
    table.records[0] = MakeAppointment("x", c.kind);
    table.records[0].action = static_cast<std::uint16_t>(c.action);
    table.records[0].protected_flag = static_cast<std::uint16_t>(c.protected_flag);
    table.count = 1;
    const EditorControls usable = UsableControls(table);
    EXPECT_EQ((std::vector<bool>{usable.day, usable.month, usable.year, usable.time_action_remark, usable.file,
                                 usable.test, usable.remove, usable.kind, usable.name}),
              (std::vector<bool>{c.day, c.month, c.year, c.time, c.file, c.test, c.remove, c.protected_flag == 0,
                                 true}))
        << "kind " << c.kind << " action " << c.action << " protected " << c.protected_flag;
  }
}

}  // namespace
