// The Hotkeys page in the running options sheet: what Apply stores and registers, what Cancel gives
// back, and combinations that another registration holds.
#include <gtest/gtest.h>

#include <string>

#include "options/hotkey_registration_win.h"
#include "options/tests/options_sheet_support_win.h"
#include "resources/resource_ids.h"
#include "texts/text_table.h"

namespace {

constexpr int kHotkeysPage = 5;

struct RowIds {
  int modifier;
  int key;
  int active;
};
constexpr RowIds kDesktopRow{IDC_HOTKEYS_DESKTOP_MODIFIER, IDC_HOTKEYS_DESKTOP_KEY, IDC_HOTKEYS_DESKTOP_ACTIVE};
constexpr RowIds kCalendarRow{IDC_HOTKEYS_CALENDAR_MODIFIER, IDC_HOTKEYS_CALENDAR_KEY, IDC_HOTKEYS_CALENDAR_ACTIVE};
constexpr RowIds kNoteRow{IDC_HOTKEYS_NOTE_MODIFIER, IDC_HOTKEYS_NOTE_KEY, IDC_HOTKEYS_NOTE_ACTIVE};
constexpr RowIds kWindowRow{IDC_HOTKEYS_WINDOW_MODIFIER, IDC_HOTKEYS_WINDOW_KEY, IDC_HOTKEYS_WINDOW_ACTIVE};
constexpr RowIds kRows[] = {kDesktopRow,
                            {IDC_HOTKEYS_ALARM_MODIFIER, IDC_HOTKEYS_ALARM_KEY, IDC_HOTKEYS_ALARM_ACTIVE},
                            kCalendarRow, kNoteRow, kWindowRow};

// Modifier and key rows of the lists.
constexpr int kStrg = 1;
constexpr int kShiftStrg = 2;
constexpr int kF9 = 8;
constexpr int kF10 = 9;
constexpr int kF11 = 10;
constexpr int kNumPlus = 22;
constexpr int kNumMinus = 23;

int ListRow(HWND page, int id) { return static_cast<int>(SendDlgItemMessageA(page, id, CB_GETCURSEL, 0, 0)); }

// The tooltip text of a page's check box, or "" when no tooltip of the process has a tool for it.
std::string TooltipOf(HWND page, int id) {
  struct Search {
    HWND page;
    int id;
    std::string text;
  } search{page, id, ""};
  EnumWindows(
      [](HWND window, LPARAM lparam) {
        auto& found = *reinterpret_cast<Search*>(lparam);
        char name[64] = {};
        GetClassNameA(window, name, sizeof name);
        if (std::string(name) != TOOLTIPS_CLASSA) return TRUE;
        char text[256] = {};
        TOOLINFOA tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = found.page;
        tool.uId = static_cast<UINT_PTR>(found.id);
        if (!SendMessageA(window, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool))) return TRUE;
        tool.lpszText = text;
        SendMessageA(window, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
        found.text = text;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.text;
}

class HotkeysPageWinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ForgetStoredSettings(fixture_);
    other_window_ = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  }
  void TearDown() override {
    UnregisterHotkeys(fixture_.hotkey_window.get(), fixture_.hotkeys);
    DestroyWindow(other_window_);
    ForgetStoredSettings(fixture_);
  }

  // Stores the slots and registers them, as the main window does at its start.
  void StoreAndRegister(const HotkeySlots& slots) {
    SaveHotkeys(slots, fixture_.platform.Store(), fixture_.settings.keys);
    LoadHotkeys(fixture_.hotkeys, fixture_.platform.Store(), fixture_.settings.keys);
    RegisterHotkeys(fixture_.hotkey_window.get(), fixture_.hotkeys);
  }

  std::uint32_t Stored(const char* name) {
    return fixture_.platform.Store().ReadDword(fixture_.settings.keys.hotkeys, name).value_or(999);
  }

  // Whether the combination is registered for the program's hotkey window under the id: it is
  // taken, and letting the id go frees it.
  bool RegisteredAs(int id, unsigned modifiers, unsigned virtual_key) {
    if (!HotkeyCombinationTaken(other_window_, modifiers, virtual_key)) return false;
    if (!UnregisterHotKey(fixture_.hotkey_window.get(), id)) return false;
    const bool freed = !HotkeyCombinationTaken(other_window_, modifiers, virtual_key);
    RegisterHotkeys(fixture_.hotkey_window.get(), fixture_.hotkeys);
    return freed;
  }

  OptionsFixture fixture_;
  HWND other_window_ = nullptr;
};

TEST_F(HotkeysPageWinTest, NothingStoredShowsAltF1InactiveInEveryRowWithItsLabel) {
  LoadHotkeys(fixture_.hotkeys, fixture_.platform.Store(), fixture_.settings.keys);
  std::string window_label;
  ASSERT_TRUE(RunOptionsSheet(fixture_, [&](HWND sheet) {
    HWND page = GoToPage(sheet, kHotkeysPage);
    for (const RowIds& row : kRows) {
      EXPECT_EQ(ListRow(page, row.modifier), 0) << row.modifier;
      EXPECT_EQ(ListRow(page, row.key), 0) << row.key;
      EXPECT_EQ(SendDlgItemMessageA(page, row.modifier, CB_GETCOUNT, 0, 0), 6);
      EXPECT_EQ(SendDlgItemMessageA(page, row.key, CB_GETCOUNT, 0, 0), 60);
      EXPECT_EQ(IsDlgButtonChecked(page, row.active), BST_UNCHECKED);
      EXPECT_TRUE(IsWindowVisible(GetDlgItem(page, row.active)));
    }
    char text[64] = {};
    GetDlgItemTextA(page, IDC_HOTKEYS_WINDOW_LABEL, text, sizeof text);
    window_label = text;
    PressSheetButton(sheet, PSBTN_CANCEL);
  }));
  EXPECT_EQ(window_label, "&Fenster anzeigen:");
}

TEST_F(HotkeysPageWinTest, ApplyStoresTheNoteRowAndRegistersItUnderItsId) {
  StoreAndRegister(HotkeySlots{});
  bool held_while_applied_again = true;
  ASSERT_TRUE(RunOptionsSheet(fixture_, [&](HWND sheet) {
    HWND page = GoToPage(sheet, kHotkeysPage);
    SelectRow(page, kNoteRow.modifier, kShiftStrg);
    SelectRow(page, kNoteRow.key, kNumMinus);
    ClickItem(page, kNoteRow.active);
    PressSheetButton(sheet, PSBTN_APPLYNOW);
    // The program's own registration is no other program's: choosing its key again keeps the row.
    SelectRow(page, kNoteRow.key, kNumPlus);
    SelectRow(page, kNoteRow.key, kNumMinus);
    held_while_applied_again = IsWindowEnabled(GetDlgItem(page, kNoteRow.active)) == FALSE;
    SelectRow(page, kNoteRow.key, kNumPlus);
    PressSheetButton(sheet, PSBTN_OK);
  }));
  EXPECT_FALSE(held_while_applied_again);
  EXPECT_EQ(Stored("hk02m"), 2u);
  EXPECT_EQ(Stored("hk02v"), 22u);
  EXPECT_EQ(Stored("hk02a"), 1u);
  EXPECT_EQ(Stored("hk04a"), 0u);  // the fifth slot is stored with the others
  const HotkeySlot& note = fixture_.hotkeys[2];
  EXPECT_EQ(note.id, 202);
  EXPECT_EQ(note.modifier, 2);
  EXPECT_EQ(note.key, 22);
  EXPECT_EQ(note.active, 1);
  EXPECT_TRUE(RegisteredAs(202, MOD_SHIFT | MOD_CONTROL, VK_ADD));
  // The keypad's minus, applied first, is given up by the second Apply.
  EXPECT_FALSE(HotkeyCombinationTaken(other_window_, MOD_SHIFT | MOD_CONTROL, VK_SUBTRACT));
  EXPECT_FALSE(HotkeyCombinationTaken(other_window_, MOD_ALT, VK_F1));
}

TEST_F(HotkeysPageWinTest, ThePageLetsTheHotkeysGoAndCancelRegistersTheStoredOnesAgain) {
  HotkeySlots stored{};
  stored[0] = HotkeySlot{200, kStrg, kF9, 1};      // Strg + F9
  stored[4] = HotkeySlot{204, kShiftStrg, kF9, 1};  // Shift + Strg + F9
  StoreAndRegister(stored);
  ASSERT_TRUE(HotkeyCombinationTaken(other_window_, MOD_CONTROL, VK_F9));
  bool free_while_open = false;
  ASSERT_TRUE(RunOptionsSheet(fixture_, [&](HWND sheet) {
    HWND page = GoToPage(sheet, kHotkeysPage);
    EXPECT_EQ(ListRow(page, kDesktopRow.key), kF9);
    EXPECT_EQ(IsDlgButtonChecked(page, kWindowRow.active), BST_CHECKED);
    // A hotkey of the thread, not of the window: a free combination is taken and given back here.
    free_while_open = RegisterHotKey(nullptr, 0x0BAD, MOD_CONTROL, VK_F9) != FALSE;
    if (free_while_open) UnregisterHotKey(nullptr, 0x0BAD);
    SelectRow(page, kDesktopRow.key, kF11);
    ClickItem(page, kWindowRow.active);
    PressSheetButton(sheet, PSBTN_CANCEL);
  }));
  EXPECT_TRUE(free_while_open);
  EXPECT_EQ(fixture_.hotkeys[0].key, kF9);
  EXPECT_EQ(fixture_.hotkeys[4].active, 1);
  EXPECT_EQ(Stored("hk00v"), static_cast<std::uint32_t>(kF9));
  EXPECT_TRUE(RegisteredAs(200, MOD_CONTROL, VK_F9));
  EXPECT_TRUE(RegisteredAs(204, MOD_SHIFT | MOD_CONTROL, VK_F9));
  EXPECT_FALSE(HotkeyCombinationTaken(other_window_, MOD_CONTROL, VK_F11));
}

// A combination held elsewhere is marked with a tooltip, and its slot can still be switched off.
TEST_F(HotkeysPageWinTest, ACombinationHeldElsewhereIsMarkedAndStaysSwitchable) {
  HotkeySlots stored{};
  stored[3] = HotkeySlot{203, kStrg, kF10, 1};  // Strg + F10, which another window holds
  ASSERT_TRUE(RegisterHotKey(other_window_, 0x0C0C, MOD_CONTROL, VK_F10));
  StoreAndRegister(stored);
  const std::string taken_text = fixture_.text_table.LookupText(texts::HOTKEYS_BELEGT);
  const std::string marked = fixture_.text_table.LookupText(texts::HOTKEYS_AKTIVBELEGT);
  const std::string unmarked = fixture_.text_table.LookupText(texts::HOTKEYS_AKTIV);
  struct Seen {
    bool enabled;
    std::string tooltip;
    std::string box;
  };
  Seen opened{}, moved_away{}, moved_back{}, desktop{};
  ASSERT_TRUE(RunOptionsSheet(fixture_, [&](HWND sheet) {
    HWND page = GoToPage(sheet, kHotkeysPage);
    auto look = [page](int id) {
      char box[64] = {};
      GetDlgItemTextA(page, id, box, sizeof box);
      return Seen{IsWindowEnabled(GetDlgItem(page, id)) != FALSE, TooltipOf(page, id), box};
    };
    opened = look(kCalendarRow.active);
    desktop = look(kDesktopRow.active);
    SelectRow(page, kCalendarRow.key, kF11);
    moved_away = look(kCalendarRow.active);
    SelectRow(page, kCalendarRow.key, kF10);
    moved_back = look(kCalendarRow.active);
    PressSheetButton(sheet, PSBTN_CANCEL);
  }));
  EXPECT_EQ(fixture_.hotkeys[3].active, 1);  // the choice stays stored for when the combination is free
  ASSERT_TRUE(RunOptionsSheet(fixture_, [&](HWND sheet) {
    HWND page = GoToPage(sheet, kHotkeysPage);
    ClickItem(page, kCalendarRow.active);
    PressSheetButton(sheet, PSBTN_OK);
  }));
  UnregisterHotKey(other_window_, 0x0C0C);
  const struct {
    Seen seen;
    std::string tooltip;
    std::string box;
  } cases[] = {{opened, taken_text, marked}, {desktop, "", unmarked},
               {moved_away, "", unmarked}, {moved_back, taken_text, marked}};
  for (const auto& c : cases) {
    EXPECT_TRUE(c.seen.enabled) << c.box;
    EXPECT_EQ(c.seen.tooltip, c.tooltip);
    EXPECT_EQ(c.seen.box, c.box);
  }
  EXPECT_EQ(fixture_.hotkeys[3].active, 0);  // switched off while its key is taken
}

}  // namespace
