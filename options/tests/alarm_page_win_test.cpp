// The Alarm page in the running options sheet: the sound device and volume stored, the typed file
// cleaned, the appointments reloaded only for another file, the snooze time within its range and
// given back by Cancel.
#include <gtest/gtest.h>

#include <string>

#include "options/tests/options_sheet_support_win.h"
#include "resources/resource_ids.h"

namespace {

constexpr int kAlarmPage = 3;
constexpr int kApplyButton = 0x3021;

// A trackbar moved by the user: its new position and the scroll notice it sends its page.
void MoveTrackbar(HWND page, int id, int position) {
  HWND trackbar = GetDlgItem(page, id);
  SendMessageA(trackbar, TBM_SETPOS, TRUE, position);
  SendMessageA(page, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position), reinterpret_cast<LPARAM>(trackbar));
}

void Type(HWND page, int id, const std::string& text) { SetDlgItemTextA(page, id, text.c_str()); }

std::string TextOf(HWND page, int id) {
  char text[300] = {};
  GetDlgItemTextA(page, id, text, sizeof text);
  return text;
}

class AlarmPageWinTest : public ::testing::Test {
 protected:
  void SetUp() override { ForgetStoredSettings(fixture_); }
  void TearDown() override { ForgetStoredSettings(fixture_); }

  std::optional<std::uint32_t> Stored(const char* name) {
    return fixture_.platform.Store().ReadDword(fixture_.settings.keys.main, name);
  }
  void Store(const char* name, std::uint32_t value) {
    fixture_.platform.Store().WriteDword(fixture_.settings.keys.main, name, value);
  }

  OptionsFixture fixture_;
};

// Under Wine the test has no sound device: the list holds the default device alone. The rows after
// it are the devices 1, 2, ... by their names.
TEST_F(AlarmPageWinTest, TheDeviceListSelectsTheStoredDeviceAndApplyStoresTheChoice) {
  struct Case {
    const char* what;
    int stored;
    bool sound_available;
    int select;  // -1: the list as it opened
    int selected_at_opening;
    bool list_enabled;
    std::uint32_t written;
  };
  const Case cases[] = {
      {"the default device", -1, true, -1, 0, true, static_cast<std::uint32_t>(-1)},
      {"a device that is not there now stays stored", 2, true, -1, -1, true, 2},
      {"the default device chosen instead", 2, true, 0, -1, true, static_cast<std::uint32_t>(-1)},
      {"no device number", 0, true, -1, -1, true, 0},
      {"without sound the list is off and the device kept", 3, false, -1, -1, false, 3},
  };
  for (const Case& c : cases) {
    Store("SndDevice", static_cast<std::uint32_t>(c.stored));
    fixture_.alarm.sound_available = c.sound_available;
    int selected = -2;
    bool enabled = false;
    bool volume_enabled = false;
    ASSERT_TRUE(RunOptionsSheet(fixture_, [&](HWND sheet) {
      HWND page = GoToPage(sheet, kAlarmPage);
      selected = static_cast<int>(SendDlgItemMessageA(page, IDC_ALARMPAGE_DEVICE, CB_GETCURSEL, 0, 0));
      enabled = IsWindowEnabled(GetDlgItem(page, IDC_ALARMPAGE_DEVICE)) != FALSE;
      volume_enabled = IsWindowEnabled(GetDlgItem(page, IDC_ALARMPAGE_VOLUME)) != FALSE;
      if (c.select >= 0) SelectRow(page, IDC_ALARMPAGE_DEVICE, c.select);
      MoveTrackbar(page, IDC_ALARMPAGE_VOLUME, 35);  // Apply is offered for the volume in every case
      PressSheetButton(sheet, PSBTN_OK);
    })) << c.what;
    EXPECT_EQ(selected, c.selected_at_opening) << c.what;
    EXPECT_EQ(enabled, c.list_enabled) << c.what;
    EXPECT_EQ(volume_enabled, c.list_enabled) << c.what;
    EXPECT_EQ(Stored("SndDevice"), c.written) << c.what;
    EXPECT_EQ(Stored("SndVolume"), 35u) << c.what;
    // The device was opened afresh, and there is none under Wine.
    EXPECT_FALSE(fixture_.alarm.sound_available) << c.what;
  }
}

TEST_F(AlarmPageWinTest, TheTypedFileIsCleanedAndReloadedOnlyWhenItIsAnotherFile) {
  struct Case {
    const char* typed;
    const char* stored;
    bool reloaded;
  };
  const Case cases[] = {
      {"  C:\\Termine\\Alarm.DTK\\", "C:\\Termine\\Alarm.DTK", false},  // the same file in other letters
      {"C:\\Termine\\alarm.dtk", "C:\\Termine\\alarm.dtk", false},
      {" C:\\Termine\\neu.dtk \\", "C:\\Termine\\neu.dtk", true},
      {"C:\\Andere\\alarm.dtk", "C:\\Andere\\alarm.dtk", true},
      {" \\ ", "C:\\Termine\\alarm.dtk", false},  // no file: the stored one stays
  };
  for (const Case& c : cases) {
    fixture_.platform.Store().WriteText(fixture_.settings.keys.main, "AlarmFile", "C:\\Termine\\alarm.dtk");
    // An appointment only in memory: a reload from the (missing) file leaves none.
    fixture_.alarm.table.count = 1;
    std::string field_after_apply;
    ASSERT_TRUE(RunOptionsSheet(fixture_, [&](HWND sheet) {
      HWND page = GoToPage(sheet, kAlarmPage);
      Type(page, IDC_ALARMPAGE_FILE, c.typed);
      PressSheetButton(sheet, PSBTN_APPLYNOW);
      field_after_apply = TextOf(page, IDC_ALARMPAGE_FILE);
      PressSheetButton(sheet, PSBTN_OK);
    })) << c.typed;
    EXPECT_EQ(fixture_.settings.AlarmFile, c.stored) << c.typed;
    EXPECT_EQ(fixture_.platform.Store().ReadText(fixture_.settings.keys.main, "AlarmFile", 300), c.stored) << c.typed;
    EXPECT_EQ(field_after_apply, c.stored) << c.typed;
    EXPECT_EQ(fixture_.alarm.table.count, c.reloaded ? 0 : 1) << c.typed;
  }
}

TEST_F(AlarmPageWinTest, ApplyIsOfferedOnlyForATypedFileThatDiffers) {
  fixture_.platform.Store().WriteText(fixture_.settings.keys.main, "AlarmFile", "C:\\Termine\\alarm.dtk");
  bool same = true, other_case = false;
  ASSERT_TRUE(RunOptionsSheet(fixture_, [&](HWND sheet) {
    HWND page = GoToPage(sheet, kAlarmPage);
    Type(page, IDC_ALARMPAGE_FILE, "C:\\Termine\\alarm.dtk");
    same = IsWindowEnabled(GetDlgItem(sheet, kApplyButton)) != FALSE;
    Type(page, IDC_ALARMPAGE_FILE, "C:\\Termine\\ALARM.dtk");
    other_case = IsWindowEnabled(GetDlgItem(sheet, kApplyButton)) != FALSE;
    PressSheetButton(sheet, PSBTN_CANCEL);
  }));
  EXPECT_FALSE(same);
  EXPECT_TRUE(other_case);
  EXPECT_EQ(fixture_.settings.AlarmFile, "C:\\Termine\\alarm.dtk");  // Cancel: the file as it was
}

TEST_F(AlarmPageWinTest, TheSnoozeTimeStaysWithinTwoAndSixtyAndCancelGivesItBack) {
  Store("Snooze", 10);
  struct Seen {
    int snooze;
    std::string label;
  };
  Seen lowest{}, highest{};
  ASSERT_TRUE(RunOptionsSheet(fixture_, [&](HWND sheet) {
    HWND page = GoToPage(sheet, kAlarmPage);
    MoveTrackbar(page, IDC_ALARMPAGE_SNOOZE, 0);
    lowest = {fixture_.settings.Snooze, TextOf(page, IDC_ALARMPAGE_SNOOZE_LABEL)};
    MoveTrackbar(page, IDC_ALARMPAGE_SNOOZE, 99);
    highest = {fixture_.settings.Snooze, TextOf(page, IDC_ALARMPAGE_SNOOZE_LABEL)};
    PressSheetButton(sheet, PSBTN_CANCEL);
  }));
  EXPECT_EQ(lowest.snooze, 2);
  EXPECT_EQ(lowest.label, "&Snooze-Zeit (2 Minuten):");
  EXPECT_EQ(highest.snooze, 60);
  EXPECT_EQ(highest.label, "&Snooze-Zeit (60 Minuten):");
  EXPECT_EQ(fixture_.settings.Snooze, 10);
  EXPECT_EQ(Stored("Snooze"), 10u);
}

}  // namespace
