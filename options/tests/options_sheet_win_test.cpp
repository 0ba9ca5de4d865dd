// The options sheet under Wine, driven as a user would through the sheet's and the controls'
// messages: the frame, the General page with its language list, and the Desktop page with its
// monitor boxes and its calendar font; the slider ranges the pages set.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "calendar/holidays.h"
#include "options/option_page_win.h"
#include "options/tests/options_sheet_support_win.h"
#include "resources/resource_ids.h"
#include "texts/text_table.h"

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
  std::optional<std::string> StoredLanguage() { return store().ReadText(fixture_.settings.keys.main, "Sprache", 256); }

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

// A stored region from the end of the list opens selected, the list holding every region.
TEST_F(OptionsSheetWinTest, DesktopPageShowsAStoredCantonInTheRegionList) {
  ASSERT_TRUE(store().WriteDword(fixture_.settings.keys.main, "Feiertage", kZuerich));
  LRESULT rows = 0;
  std::string shown;
  ASSERT_TRUE(RunOptionsSheet(fixture_, [&](HWND sheet) {
    HWND page = GoToPage(sheet, 1);
    rows = SendDlgItemMessageA(page, IDC_DESKTOP_REGION, CB_GETCOUNT, 0, 0);
    shown = WindowText(GetDlgItem(page, IDC_DESKTOP_REGION));
    PressSheetButton(sheet, PSBTN_CANCEL);
  }));
  EXPECT_EQ(rows, kRegionCount);
  EXPECT_EQ(shown, "Schweiz (Z\xFCrich)");
}

// A calendar font chosen in the font dialog is dropped by Cancel, unless Apply took it before.
TEST_F(OptionsSheetWinTest, CancelDropsACalendarFontNotApplied) {
  const LogFont opened = fixture_.settings.calendar_font;
  for (const bool apply : {false, true}) {
    int chosen_height = opened.height;
    ASSERT_TRUE(RunOptionsSheet(fixture_, [&](HWND sheet) {
      HWND page = GoToPage(sheet, 1);
      // The font dialog's title as the test prefix's Windows gives it; its size field is cmb3.
      Answering font_dialog("Font", [](HWND dialog) {
        HWND sizes = GetDlgItem(dialog, 0x472);
        SendMessageA(sizes, CB_SETCURSEL, 0, 0);  // the smallest size offered
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(0x472, CBN_SELCHANGE), reinterpret_cast<LPARAM>(sizes));
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
      });
      ClickItem(page, IDC_DESKTOP_FONT);
      font_dialog.Finish();
      chosen_height = fixture_.settings.calendar_font.height;
      if (apply) PressSheetButton(sheet, PSBTN_APPLYNOW);
      PressSheetButton(sheet, PSBTN_CANCEL);
    })) << apply;
    ASSERT_NE(chosen_height, opened.height) << apply;
    EXPECT_EQ(fixture_.settings.calendar_font.height, apply ? chosen_height : opened.height) << apply;
  }
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

// Both monitor boxes start from stored values away from their defaults, so a box that shows the
// default instead is caught. A click enables Apply; Apply stores the clicked box's new value beside
// the other's and asks for a wallpaper build; Cancel alone stores and changes nothing.
TEST_F(OptionsSheetWinTest, EachMonitorBoxIsStoredAtApplyAndLeftAloneAtCancel) {
  struct Case {
    int box;
    bool apply;
    std::uint32_t kalender_monitore, bild_pro_monitor;  // stored and in memory once the sheet has closed
  };
  const Case cases[] = {{IDC_DESKTOP_ALL_MONITORS, true, 1, 1},
                        {IDC_DESKTOP_ALL_MONITORS, false, 0, 1},
                        {IDC_DESKTOP_PICTURE_PER_MONITOR, true, 0, 0},
                        {IDC_DESKTOP_PICTURE_PER_MONITOR, false, 0, 1}};
  for (const Case& test : cases) {
    SCOPED_TRACE(testing::Message() << "box " << test.box << (test.apply ? ", Apply" : ", Cancel"));
    store().WriteDword(fixture_.settings.keys.main, "KalenderMonitore", 0);
    store().WriteDword(fixture_.settings.keys.main, "BildProMonitor", 1);
    OptionsFixture fixture;
    bool all_shown = true, own_shown = false, apply_enabled_before = true, apply_enabled_after = false;
    ASSERT_TRUE(RunOptionsSheet(fixture, [&](HWND sheet) {
      HWND page = GoToPage(sheet, 1);
      all_shown = IsDlgButtonChecked(page, IDC_DESKTOP_ALL_MONITORS) == BST_CHECKED;
      own_shown = IsDlgButtonChecked(page, IDC_DESKTOP_PICTURE_PER_MONITOR) == BST_CHECKED;
      HWND apply = GetDlgItem(sheet, 0x3021);
      apply_enabled_before = IsWindowEnabled(apply) != FALSE;
      ClickItem(page, test.box);
      apply_enabled_after = IsWindowEnabled(apply) != FALSE;
      if (test.apply) PressSheetButton(sheet, PSBTN_APPLYNOW);
      PressSheetButton(sheet, PSBTN_CANCEL);
    }));
    EXPECT_FALSE(all_shown);
    EXPECT_TRUE(own_shown);
    EXPECT_FALSE(apply_enabled_before);
    EXPECT_TRUE(apply_enabled_after);
    EXPECT_EQ(Stored("KalenderMonitore"), test.kalender_monitore);
    EXPECT_EQ(Stored("BildProMonitor"), test.bild_pro_monitor);
    EXPECT_EQ(fixture.settings.KalenderMonitore, static_cast<int>(test.kalender_monitore));
    EXPECT_EQ(fixture.settings.BildProMonitor, static_cast<int>(test.bild_pro_monitor));
    EXPECT_EQ(fixture.context.rebuild_wallpaper, test.apply);
  }
}

// The list shows each language under its own name; a new choice enables Apply, which stores its code
// and switches the texts at once: the open sheet (its caption, its tabs, its pages' labels) and every
// text looked up afterwards are English. The next opening shows the stored choice.
TEST_F(OptionsSheetWinTest, EnglishAppliedIsStoredAndSwitchesTheOpenSheetAndLaterTexts) {
  std::vector<std::string> rows;
  bool apply_enabled_before = true, apply_enabled_after = false;
  std::optional<std::string> stored_while_open;
  std::string caption_after, tab_after, label_after;
  ASSERT_TRUE(RunOptionsSheet(fixture_, [&](HWND sheet) {
    HWND page = GoToPage(sheet, 0);
    const int count = static_cast<int>(SendDlgItemMessageA(page, IDC_GENERAL_LANGUAGE, CB_GETCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
      char name[80] = {};
      SendDlgItemMessageA(page, IDC_GENERAL_LANGUAGE, CB_GETLBTEXT, row, reinterpret_cast<LPARAM>(name));
      rows.push_back(name);
    }
    HWND apply = GetDlgItem(sheet, 0x3021);
    apply_enabled_before = IsWindowEnabled(apply) != FALSE;
    SelectRow(page, IDC_GENERAL_LANGUAGE, 1);
    apply_enabled_after = IsWindowEnabled(apply) != FALSE;
    PressSheetButton(sheet, PSBTN_APPLYNOW);
    stored_while_open = StoredLanguage();
    caption_after = WindowText(sheet);
    char tab[64] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = tab;
    item.cchTextMax = sizeof tab;
    SendMessageA(PropSheet_GetTabControl(sheet), TCM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    tab_after = tab;
    label_after = WindowText(GetDlgItem(page, IDC_GENERAL_AUTOSTART));
    PressSheetButton(sheet, PSBTN_CANCEL);
  }));
  EXPECT_EQ(rows, (std::vector<std::string>{"Deutsch", "English"}));
  EXPECT_FALSE(apply_enabled_before);
  EXPECT_TRUE(apply_enabled_after);
  EXPECT_EQ(stored_while_open, "en");
  EXPECT_EQ(caption_after, " Options");
  EXPECT_EQ(tab_after, "General ");
  EXPECT_EQ(label_after, "&Start with Windows");
  EXPECT_EQ(fixture_.text_table.LookupText(texts::CONFIG_CAPTION), " Options");
  EXPECT_EQ(fixture_.settings.Sprache, "en");

  int shown_row = -1;
  Answering answering(" Options", [&](HWND sheet) {
    shown_row = static_cast<int>(SendDlgItemMessageA(GoToPage(sheet, 0), IDC_GENERAL_LANGUAGE, CB_GETCURSEL, 0, 0));
    PressSheetButton(sheet, PSBTN_CANCEL);
  });
  ASSERT_TRUE(OpenOptions(nullptr, fixture_.context));
  ASSERT_TRUE(answering.Finish());
  EXPECT_EQ(shown_row, 1);
}

TEST_F(OptionsSheetWinTest, ALanguageChosenAndCancelledIsNeitherStoredNorUsed) {
  ASSERT_TRUE(RunOptionsSheet(fixture_, [&](HWND sheet) {
    SelectRow(GoToPage(sheet, 0), IDC_GENERAL_LANGUAGE, 1);
    PressSheetButton(sheet, PSBTN_CANCEL);
  }));
  EXPECT_FALSE(StoredLanguage().has_value());
  EXPECT_EQ(fixture_.text_table.LookupText(texts::CONFIG_CAPTION), " Optionen");
}

// A trackbar message as the slider received it.
using SentMessage = std::tuple<UINT, WPARAM, LPARAM>;

LRESULT CALLBACK RecordTrackbarMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                       DWORD_PTR sent) {
  if (message >= WM_USER) reinterpret_cast<std::vector<SentMessage>*>(sent)->emplace_back(message, wparam, lparam);
  return DefSubclassProc(window, message, wparam, lparam);
}

// Each end of a range reaches the trackbar in a message of its own, a negative one as it is: the
// control reads the ends of TBM_SETRANGE as unsigned 16-bit values.
TEST(SliderRangeTest, EachEndIsSentOnItsOwn) {
  const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
  ASSERT_TRUE(InitCommonControlsEx(&classes));
  for (const auto& [minimum, maximum] : {std::pair{-100, 100}, std::pair{-3, 3}, std::pair{0, 10}}) {
    OwnedWindow slider(CreateWindowExA(0, TRACKBAR_CLASSA, "", 0, 0, 0, 100, 20, nullptr, nullptr, nullptr, nullptr));
    std::vector<SentMessage> sent;
    SetWindowSubclass(slider.get(), RecordTrackbarMessage, 0, reinterpret_cast<DWORD_PTR>(&sent));
    SetSliderRange(slider.get(), minimum, maximum);
    RemoveWindowSubclass(slider.get(), RecordTrackbarMessage, 0);
    EXPECT_EQ(sent, (std::vector<SentMessage>{{TBM_SETRANGEMIN, FALSE, minimum}, {TBM_SETRANGEMAX, TRUE, maximum}}));
    EXPECT_EQ(SendMessageA(slider.get(), TBM_GETRANGEMIN, 0, 0), minimum);
  }
}

}  // namespace
