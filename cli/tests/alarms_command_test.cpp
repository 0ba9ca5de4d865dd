// quellmoor-cli alarms: the records as loaded, texts in UTF-8, the due flag of a check at a given
// minute, automatic deletion, and refused arguments and files.
#include <gtest/gtest.h>

#include <string>

#include "alarm/due_rule.h"
#include "alarm/tests/alarm_test_support.h"
#include "cli/commands.h"
#include "cli/tests/run_command.h"
#include "common/tests/temp_folder.h"

namespace {

class AlarmsCommandTest : public ::testing::Test {
 protected:
  AlarmsCommandTest() {
    Appointment notice = MakeAppointment("\xC4rzte", kKindOnce, 2026, 12, 8, 9, 30);
    notice.action = kActionNotice;
    CopyText(notice.remark, "Karte \"mit\"\r\nnehmen");
    Appointment snoozed = MakeAppointment("Kaffee", kKindDaily, 2026, 1, 1, 23, 0);
    snoozed.snooze = 1;
    Appointment off = MakeAppointment("vorbei", kKindOff, 2026, 12, 7);
    Appointment fired = MakeAppointment("Tabletten", kKindDaily, 2026, 1, 1, 8, 0);
    MarkFired(fired, At(2026, 12, 8, 8));
    std::string bytes;
    for (const Appointment& a : {notice, snoozed, off, fired}) {
      const auto record = EncodeAppointment(a);
      bytes.append(record.begin(), record.end());
    }
    path_ = folder_.Write("alarm.dtk", bytes);
  }

  TempFolder folder_{"alarms"};
  std::string path_;
};

TEST_F(AlarmsCommandTest, ListsEveryFieldAndWhetherTheCheckAtThatMinuteFires) {
  CommandRun run = RunCommand(AlarmsCommand, {path_, "--at", "2026-12-08 09:30"});
  ASSERT_EQ(run.exit_code, kExitSuccess) << run.err;
  EXPECT_EQ(run.out,
            Utf8(u8R"({"index":0,"name":"Ärzte","kind":1,"action":1,"day":8,"month":12,"year":2026,"hour":9,)"
                 u8R"("minute":30,"last_fired":0,"last_fired_year":0,"snooze":0,"protected":0,"file":"",)"
                 u8R"("remark":"Karte \"mit\"\r\nnehmen","due":1})"
                 "\n") +
                R"({"index":1,"name":"Kaffee","kind":2,"action":0,"day":1,"month":1,"year":2026,"hour":23,)"
                R"("minute":0,"last_fired":0,"last_fired_year":0,"snooze":1,"protected":0,"file":"",)"
                R"("remark":"","due":1})"
                "\n"
                R"({"index":2,"name":"vorbei","kind":0,"action":0,"day":7,"month":12,"year":2026,"hour":8,)"
                R"("minute":0,"last_fired":0,"last_fired_year":0,"snooze":0,"protected":0,"file":"",)"
                R"("remark":"","due":0})"
                "\n"
                R"({"index":3,"name":"Tabletten","kind":2,"action":0,"day":1,"month":1,"year":2026,"hour":8,)"
                R"("minute":0,"last_fired":342,"last_fired_year":2026,"snooze":0,"protected":0,"file":"",)"
                R"("remark":"","due":0})"
                "\n");
  // A minute earlier the one-time appointment has not come; a year later the daily one fires again.
  EXPECT_NE(RunCommand(AlarmsCommand, {path_, "--at", "2026-12-08 09:29"}).out.find(R"(nehmen","due":0)"),
            std::string::npos);
  EXPECT_NE(RunCommand(AlarmsCommand, {path_, "--at", "2027-12-08 09:00"})
                .out.find(R"("last_fired":342,"last_fired_year":2026,"snooze":0,"protected":0,"file":"",)"
                          R"("remark":"","due":1)"),
            std::string::npos);
  EXPECT_EQ(RunCommand(AlarmsCommand, {path_}).out.find("due"), std::string::npos);
}

TEST_F(AlarmsCommandTest, AutoDeleteDropsSwitchedOffRecordsDatedBeforeTheMoment) {
  CommandRun kept = RunCommand(AlarmsCommand, {"--auto-delete", path_, "--at", "2026-12-07 10:00"});
  EXPECT_NE(kept.out.find("vorbei"), std::string::npos);
  CommandRun dropped = RunCommand(AlarmsCommand, {path_, "--auto-delete", "--at", "2026-12-08 10:00"});
  EXPECT_EQ(dropped.out.find("vorbei"), std::string::npos);
  EXPECT_NE(dropped.out.find(R"("index":2,"name":"Tabletten")"), std::string::npos);
}

TEST_F(AlarmsCommandTest, RefusesBadMomentsAndUnreadableFiles) {
  ExpectRefused(AlarmsCommand, "alarms",
                {{{path_, "--at", "2026-12-08"}, "2026-12-08"},
                 {{path_, "--at", "2026-02-30 10:00"}, "2026-02-30"},
                 {{path_, "--at", "2026-12-08 24:00"}, "24:00"},
                 {{path_, "--at", "2026-12-08T10:00"}, "T10:00"},
                 {{path_, "--auto-delete", "--auto-delete"}, "--auto-delete"},
                 {{}, "FILE"}});
  for (const std::string& file : {folder_.PathOf("none.dtk"), folder_.path()}) {
    CommandRun run = RunCommand(AlarmsCommand, {file});
    EXPECT_EQ(run.exit_code, kExitFailure) << file;
    EXPECT_NE(run.err.find("cannot read appointments file"), std::string::npos);
  }
}

}  // namespace
