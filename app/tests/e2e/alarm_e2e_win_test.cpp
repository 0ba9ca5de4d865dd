// The alarm clock in the running program: an appointment whose time has passed fires at the first
// tick with its notice window, and a user's "EXIT" while the notice is open ends the program with
// the appointment snoozed and saved, so that it comes back at the next start.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "alarm/appointment_table.h"
#include "app/tests/e2e/program_process_win.h"
#include "calendar/clock.h"
#include "common/bounded_text.h"

namespace {

constexpr char kNoticeName[] = "Quellmoor-Probe";

HWND WaitForNotice(DWORD timeout_ms) {
  for (DWORD waited = 0; waited < timeout_ms; waited += 100) {
    HWND notice = FindWindowA("#32770", kNoticeName);
    if (notice != nullptr && IsWindowVisible(notice)) return notice;
    Sleep(100);
  }
  return nullptr;
}

TEST(AlarmEndToEndTest, ANoticeOpenAtExitIsSnoozedAndSaved) {
  ForgetProgramSettings();
  const std::string file = (std::filesystem::temp_directory_path() / "quellmoor-e2e-alarm.dtk").string();
  AppointmentTable table;
  Appointment& daily = table.records[0];
  table.count = 1;
  CopyText(daily.name, kNoticeName);
  daily.kind = kKindDaily;
  daily.action = kActionNotice;
  daily.hour = 0;
  ASSERT_TRUE(SaveAppointments(table, file));
  StoreProgramText("AlarmFile", file);
  const DWORD snooze = 3;
  StoreProgramSetting("Snooze", REG_DWORD, &snooze, sizeof snooze);

  ProgramProcess program("");
  ASSERT_NE(WaitForMainWindow(20000), nullptr);
  ASSERT_NE(WaitForNotice(40000), nullptr);
  ExpectEndedBySecondStart("EXIT", program);

  ASSERT_TRUE(LoadAppointments(table, file, false, SystemClock().Now()));
  ASSERT_EQ(table.count, 1);
  EXPECT_EQ(table.records[0].last_fired, 0);
  EXPECT_EQ(table.records[0].snooze, 3);
  std::filesystem::remove(file);
}

}  // namespace
