// The alarm clock in its real windows under Wine: the minute check with the notice window and its
// answers, the editor held back and refused, the program's end during a notice, the actions, and the
// editor driven through its controls. Another thread answers the modal windows, as a user would.
#include "alarm/alarm_clock_win.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "alarm/alarm_editor_win.h"
#include "alarm/tests/alarm_test_support.h"
#include "common/tests/answering_win.h"
#include "common/tests/temp_folder.h"
#include "resources/resource_ids.h"
#include "texts/text_table.h"

namespace {

std::string ItemText(HWND window, int id) {
  char text[512] = {};
  GetDlgItemTextA(window, id, text, sizeof text);
  return text;
}

void Click(HWND window, int id) { SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

void Choose(HWND window, int id, int position) {
  SendDlgItemMessageA(window, id, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

// Runs once on the user-interface thread inside the next modal loop.
std::function<void()> g_in_modal_loop;
void CALLBACK RunInModalLoop(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  g_in_modal_loop();
}

class AlarmClockWinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    settings_.AlarmFile = folder_.PathOf("alarm.dtk");
    settings_.Snooze = 5;
  }

  void Store(std::initializer_list<Appointment> appointments) {
    AppointmentTable table;
    for (const Appointment& a : appointments) table.records[static_cast<std::size_t>(table.count++)] = a;
    ASSERT_TRUE(SaveAppointments(table, settings_.AlarmFile));
    LoadAppointmentTable(alarm_);
  }

  AppointmentTable Stored() {
    AppointmentTable table;
    EXPECT_TRUE(LoadAppointments(table, settings_.AlarmFile, false, clock_.Now()));
    return table;
  }

  // A check at 8 December 2026, hour:minute; a notice titled name is answered with the command.
  // Whether the notice came.
  bool CheckAt(int hour, int minute, const char* name, int answer) {
    clock_.Set(At(2026, 12, 8, hour, minute));
    Answering user(name, [answer](HWND notice) { PostMessageA(notice, WM_COMMAND, answer, 0); });
    AlarmCheck(alarm_, nullptr);
    return user.Finish();
  }

  TempFolder folder_{"alarm"};
  FixedClock clock_{At(2026, 12, 8, 7, 0)};
  Settings settings_;
  TextTable text_table_;
  HtmlHelp help_{text_table_, ""};
  AlarmClock alarm_{clock_, settings_, text_table_, help_};
};

TEST_F(AlarmClockWinTest, ANoticeFiresAtItsMinuteAndSnoozeEscAndOkAreSaved) {
  Appointment notice = MakeAppointment("Zahnarzt", kKindOnce, 2026, 12, 8, 8, 0);
  notice.action = kActionNotice;
  CopyText(notice.remark, "Karte mitnehmen");
  Store({notice});

  EXPECT_FALSE(CheckAt(7, 59, "Zahnarzt", IDC_NOTICE_OK));
  std::string when, remark;
  clock_.Set(At(2026, 12, 8, 8, 0));
  {
    Answering user("Zahnarzt", [&](HWND window) {
      when = ItemText(window, IDC_NOTICE_WHEN);
      remark = ItemText(window, IDC_NOTICE_REMARK);
      PostMessageA(window, WM_COMMAND, IDC_NOTICE_SNOOZE, 0);
    });
    AlarmCheck(alarm_, nullptr);
    ASSERT_TRUE(user.Finish());
  }
  EXPECT_EQ(when, "08.12.2026 08:00\n\nKarte mitnehmen");
  EXPECT_EQ(remark, "Karte mitnehmen");
  Appointment saved = Stored().records[0];
  EXPECT_EQ(saved.kind, kKindOnce);
  EXPECT_EQ(saved.last_fired, 0);
  EXPECT_EQ(saved.snooze, 5);

  // Two ticks in one minute go through the table once; the snooze time's pass brings it back.
  EXPECT_FALSE(CheckAt(8, 0, "Zahnarzt", IDC_NOTICE_OK));
  for (int minute = 1; minute <= 4; ++minute) EXPECT_FALSE(CheckAt(8, minute, "Zahnarzt", IDC_NOTICE_OK));
  EXPECT_TRUE(CheckAt(8, 5, "Zahnarzt", IDCANCEL));
  EXPECT_EQ(Stored().records[0].snooze, 5);
  for (int minute = 6; minute <= 9; ++minute) EXPECT_FALSE(CheckAt(8, minute, "Zahnarzt", IDC_NOTICE_OK));
  EXPECT_TRUE(CheckAt(8, 10, "Zahnarzt", IDC_NOTICE_OK));
  saved = Stored().records[0];
  EXPECT_EQ(saved.kind, kKindOff);
  EXPECT_EQ(saved.snooze, 0);
  EXPECT_EQ(saved.last_fired, DayOfYear(8, 12, 2026));
}

TEST_F(AlarmClockWinTest, NothingFiresWhileTheEditorIsOpenAndItIsRefusedDuringANotice) {
  Appointment daily = MakeAppointment("Tabletten", kKindDaily, 2026, 1, 1, 8, 0);
  daily.action = kActionNotice;
  Store({daily});
  alarm_.editor_open = true;
  EXPECT_FALSE(CheckAt(9, 30, "Tabletten", IDC_NOTICE_OK));
  alarm_.editor_open = false;

  bool editor_opened = true;
  g_in_modal_loop = [&] { editor_opened = RunAlarmEditor(alarm_, nullptr) || alarm_.editor_open; };
  SetTimer(nullptr, 0, 10, RunInModalLoop);
  // The first pass after the editor closed catches up on the appointment of 8:00.
  EXPECT_TRUE(CheckAt(9, 30, "Tabletten", IDC_NOTICE_OK));
  EXPECT_FALSE(editor_opened);
  EXPECT_TRUE(AlarmEditorAvailable(alarm_));
  EXPECT_FALSE(CheckAt(9, 31, "Tabletten", IDC_NOTICE_OK));
}

TEST_F(AlarmClockWinTest, ANoticeOpenWhenTheProgramEndsIsSnoozedAndSaved) {
  Appointment notice = MakeAppointment("Zug", kKindOnce, 2026, 12, 8, 8, 0);
  notice.action = kActionNotice;
  Store({notice});
  g_in_modal_loop = [&] { CloseNoticeWindows(alarm_); };
  SetTimer(nullptr, 0, 10, RunInModalLoop);
  clock_.Set(At(2026, 12, 8, 8, 0));
  AlarmCheck(alarm_, nullptr);
  EXPECT_TRUE(alarm_.notice_windows.empty());
  const Appointment saved = Stored().records[0];
  EXPECT_EQ(saved.kind, kKindOnce);
  EXPECT_EQ(saved.snooze, 5);
}

TEST_F(AlarmClockWinTest, SoundIsSilentAndProgramsStart) {
  // The probe is copied to a folder whose name holds a blank, so its path must be quoted.
  char exe[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, exe, sizeof exe);
  const std::filesystem::path folder = std::filesystem::path(folder_.path()) / "mit Leerzeichen";
  std::filesystem::create_directory(folder);
  std::filesystem::copy_file(std::filesystem::path(exe).parent_path() / "quellmoor_alarm_probe.exe",
                             folder / "probe.exe");
  const std::string out = folder_.PathOf("started.txt");

  Appointment sound = MakeAppointment("Musik", kKindOnce, 2026, 12, 8, 8, 0);
  sound.action = kActionSound;
  CopyText(sound.file, folder_.PathOf("missing.mp3"));
  Appointment program = MakeAppointment("Programm", kKindOnce, 2026, 12, 8, 8, 0);
  program.action = kActionProgram;
  // Built up step by step: GCC 12 warns wrongly about a quote character + std::string at -O3.
  std::string command(1, '"');
  command += (folder / "probe.exe").string();
  command += "\" ";
  command += out;
  CopyText(program.file, command);
  Store({sound, program});
  EXPECT_FALSE(CheckAt(8, 0, "-", IDC_NOTICE_OK));
  for (const Appointment& saved : Stored().InUse()) EXPECT_EQ(saved.kind, kKindOff) << saved.name;
  for (int wait = 0; wait < 250 && !PathExists(out); ++wait) Sleep(20);
  Sleep(100);
  const auto written = ReadWholeFile(out, 1000);
  ASSERT_TRUE(written);
  EXPECT_EQ(std::string(written->begin(), written->end()), out);
}

TEST_F(AlarmClockWinTest, TheEditorMakesNamesKeepsATypedNameAndSavesSorted) {
  Store({});
  clock_.Set(At(2026, 12, 8, 21, 10));
  std::vector<std::string> names;
  int years = 0;
  Answering user(text_table_.LookupText(texts::ALARM_CAPTION), [&](HWND editor) {
    years = static_cast<int>(SendDlgItemMessageA(editor, IDC_ALARM_YEAR, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < 3; ++i) {
      Click(editor, IDC_ALARM_NEW);
      names.push_back(ItemText(editor, IDC_ALARM_NAME));
    }
    Choose(editor, IDC_ALARM_NAME, 0);
    // A name typed and confirmed with Enter: the box keeps the focus until OK.
    SetDlgItemTextA(editor, IDC_ALARM_NAME, "Zahnarzt");
    PostMessageA(editor, WM_COMMAND, IDOK, 0);
  });
  EXPECT_TRUE(RunAlarmEditor(alarm_, nullptr));
  ASSERT_TRUE(user.Finish());
  EXPECT_EQ(names, (std::vector<std::string>{"(neu)", "(neu 2)", "(neu 3)"}));
  EXPECT_EQ(years, 2051 - 2001 + 1);
  const AppointmentTable saved = Stored();
  ASSERT_EQ(saved.count, 3);
  EXPECT_STREQ(saved.records[0].name, "(neu 2)");
  EXPECT_STREQ(saved.records[2].name, "Zahnarzt");
  EXPECT_EQ(saved.records[2].hour, 22);
  EXPECT_FALSE(alarm_.editor_open);
}

TEST_F(AlarmClockWinTest, CancelDropsTheEditsAndAFailedSaveKeepsTheEditorOpen) {
  Store({MakeAppointment("a", kKindDaily), MakeAppointment("b", kKindDaily)});
  const auto before = ReadWholeFile(settings_.AlarmFile, 1 << 20);
  Answering cancelling(text_table_.LookupText(texts::ALARM_CAPTION), [](HWND editor) {
    Choose(editor, IDC_ALARM_KIND, kKindOff);
    Click(editor, IDC_ALARM_DELETE);
    PostMessageA(editor, WM_COMMAND, IDCANCEL, 0);
  });
  EXPECT_FALSE(RunAlarmEditor(alarm_, nullptr));
  ASSERT_TRUE(cancelling.Finish());
  EXPECT_EQ(ReadWholeFile(settings_.AlarmFile, 1 << 20), before);
  EXPECT_EQ(alarm_.table.count, 2);
  EXPECT_EQ(alarm_.table.records[0].kind, kKindDaily);

  // A folder in the file's place: the message comes, and the editor stays with the edit.
  std::filesystem::remove(settings_.AlarmFile);
  std::filesystem::create_directory(settings_.AlarmFile);
  std::string message, kind_after;
  bool open_after = false;
  Answering failing(text_table_.LookupText(texts::ALARM_CAPTION), [&](HWND editor) {
    Choose(editor, IDC_ALARM_KIND, kKindOnce);
    Answering box("", [&](HWND message_box) {
      message = ItemText(message_box, 0xFFFF);
      PostMessageA(message_box, WM_COMMAND, IDOK, 0);
    });
    PostMessageA(editor, WM_COMMAND, IDOK, 0);
    for (int wait = 0; wait < 100 && message.empty(); ++wait) Sleep(20);
    box.Finish();
    Sleep(100);
    open_after = IsWindowVisible(editor) != FALSE;
    kind_after = ItemText(editor, IDC_ALARM_KIND);
    PostMessageA(editor, WM_COMMAND, IDCANCEL, 0);
  });
  EXPECT_FALSE(RunAlarmEditor(alarm_, nullptr));
  ASSERT_TRUE(failing.Finish());
  EXPECT_EQ(message, text_table_.LookupText(texts::ERR_SAVEALARM));
  EXPECT_TRUE(open_after);
  EXPECT_EQ(kind_after, text_table_.LookupText(texts::ALARM_EINMAL));
}

}  // namespace
