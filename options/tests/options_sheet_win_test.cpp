// The options sheet under Wine, driven as a user would through the sheet's and the controls'
// messages: the frame, the General page and the Desktop page.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "options/tests/options_sheet_support_win.h"
#include "resources/resource_ids.h"

namespace {

std::string WindowText(HWND window) {
  char text[4096] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

class OptionsSheetWinTest : public ::testing::Test {
 protected:
  // Whatever a test stored goes, so that the next one starts from the defaults.
  void TearDown() override {
    RegDeleteTreeA(HKEY_CURRENT_USER, fixture_.settings.keys.main.c_str());
    store().DeleteValue(kRunKey, kAutostartValueName);
  }

  SettingsStore& store() { return fixture_.platform.Store(); }
  std::optional<std::uint32_t> Stored(const char* name) { return store().ReadDword(fixture_.settings.keys.main, name); }

  OptionsFixture fixture_;
};

TEST_F(OptionsSheetWinTest, OpensAtTheGeneralPageWithItsCaptionAndTheSixTabs) {
  std::string caption, product, credits;
  int tabs = 0;
  bool autostart_page = false;
  ASSERT_TRUE(RunOptionsSheet(fixture_, [&](HWND sheet) {
    caption = WindowText(sheet);
    tabs = static_cast<int>(SendMessageA(PropSheet_GetTabControl(sheet), TCM_GETITEMCOUNT, 0, 0));
    HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    autostart_page = GetDlgItem(page, IDC_GENERAL_AUTOSTART) != nullptr;
    product = WindowText(GetDlgItem(page, IDC_GENERAL_PRODUCT));
    credits = WindowText(GetDlgItem(page, IDC_GENERAL_PICTURES));
    EXPECT_NE(GetWindowLongA(sheet, GWL_STYLE) & WS_SYSMENU, 0);  // the close box
    PressSheetButton(sheet, PSBTN_CANCEL);
  }));
  EXPECT_EQ(caption, " Optionen");
  EXPECT_EQ(tabs, 6);
  EXPECT_TRUE(autostart_page);
  EXPECT_EQ(product.substr(0, 15), "Quellmoor 2.6.3");
  // The credits come from the notices built into the program: every built-in picture has a line.
  for (const char* picture : {"C01X \"Cold Ripple\"", "C02X", "C16X \"sunset\""}) {
    EXPECT_NE(credits.find(picture), std::string::npos) << picture;
  }
  EXPECT_FALSE(fixture_.context.rebuild_wallpaper);
}

// Unchecking removes the Run value, checking writes it again, each at Apply; opening the page brings
// a missing value back while the setting says so.
TEST_F(OptionsSheetWinTest, TheAutostartBoxWritesAndRemovesTheRunValueAtApply) {
  store().DeleteValue(kRunKey, kAutostartValueName);
  std::optional<std::string> at_opening, after_uncheck, after_check;
  ASSERT_TRUE(RunOptionsSheet(fixture_, [&](HWND sheet) {
    HWND page = GoToPage(sheet, 0);
    at_opening = store().ReadText(kRunKey, kAutostartValueName, MAX_PATH);
    ClickItem(page, IDC_GENERAL_AUTOSTART);
    PressSheetButton(sheet, PSBTN_APPLYNOW);
    after_uncheck = store().ReadText(kRunKey, kAutostartValueName, MAX_PATH);
    ClickItem(page, IDC_GENERAL_AUTOSTART);
    PressSheetButton(sheet, PSBTN_OK);
  }));
  after_check = store().ReadText(kRunKey, kAutostartValueName, MAX_PATH);
  ASSERT_TRUE(at_opening.has_value());
  EXPECT_NE(at_opening->find("quellmoor_tests.exe"), std::string::npos) << *at_opening;
  EXPECT_FALSE(after_uncheck.has_value());
  EXPECT_EQ(after_check, at_opening);
  EXPECT_EQ(Stored("AutoStart"), 1u);
}

// What Apply stored stays when the sheet is then cancelled; the wallpaper build is asked for, and
// only for the main window to do once the sheet has closed.
TEST_F(OptionsSheetWinTest, DesktopSettingsAppliedBeforeCancelAreKept) {
  std::optional<std::uint32_t> policy_while_open;
  bool rebuild_while_open = true;
  std::string seventeenth_region;
  ASSERT_TRUE(RunOptionsSheet(fixture_, [&](HWND sheet) {
    HWND page = GoToPage(sheet, 1);
    ClickItem(page, IDC_DESKTOP_CHANGE_AT_START);
    SelectRow(page, IDC_DESKTOP_REGION, 17);
    char region[80] = {};
    SendDlgItemMessageA(page, IDC_DESKTOP_REGION, CB_GETLBTEXT, 17, reinterpret_cast<LPARAM>(region));
    seventeenth_region = region;
    PressSheetButton(sheet, PSBTN_APPLYNOW);
    policy_while_open = Stored("HGwechsel");
    rebuild_while_open = fixture_.context.rebuild_wallpaper;
    ClickItem(page, IDC_DESKTOP_CHANGE_HOURLY);
    PressSheetButton(sheet, PSBTN_CANCEL);
  }));
  EXPECT_EQ(policy_while_open, 0u);
  EXPECT_EQ(Stored("HGwechsel"), 0u);
  EXPECT_EQ(Stored("Feiertage"), 17u);
  EXPECT_EQ(seventeenth_region, "\xD6sterreich");
  EXPECT_TRUE(rebuild_while_open);
  EXPECT_TRUE(fixture_.context.rebuild_wallpaper);
}

// The next opening starts from the stored settings, not from what the last one left in memory.
TEST_F(OptionsSheetWinTest, CancelWritesNothingAndTheNextOpeningShowsTheStoredValues) {
  ASSERT_TRUE(RunOptionsSheet(fixture_, [&](HWND sheet) {
    HWND page = GoToPage(sheet, 1);
    ClickItem(page, IDC_DESKTOP_CHANGE_AT_START);
    PressSheetButton(sheet, PSBTN_CANCEL);
  }));
  EXPECT_FALSE(Stored("HGwechsel").has_value());
  EXPECT_FALSE(fixture_.context.rebuild_wallpaper);
  bool daily_checked = false;
  ASSERT_TRUE(RunOptionsSheet(fixture_, [&](HWND sheet) {
    HWND page = GoToPage(sheet, 1);
    daily_checked = IsDlgButtonChecked(page, IDC_DESKTOP_CHANGE_DAILY) == BST_CHECKED;
    PressSheetButton(sheet, PSBTN_CANCEL);
  }));
  EXPECT_TRUE(daily_checked);
}

}  // namespace
