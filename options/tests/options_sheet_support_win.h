// Running the options sheet in a Windows test as the program does, while another thread answers it
// as a user would: it finds the sheet, goes to a page, works its controls with the messages they
// send, and presses the sheet's buttons.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>

#include "alarm/alarm_clock_win.h"
#include "common/tests/answering_win.h"
#include "options/options_sheet_win.h"
#include "settings/settings_platform_win.h"
#include "wallpaper/builtin_pictures_win.h"

// The program's pieces the sheet works on, with the settings and hotkeys of the test prefix's
// registry and a message-only window that receives the hotkeys.
struct OptionsFixture {
  OptionsFixture()
      : hotkey_window(CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)),
        alarm(clock, settings, text_table, help),
        context{&clock, &settings, &platform, hotkey_window.get(), &hotkeys, &alarm, &pictures, nullptr, &text_table,
                &help} {
    LoadSettings(settings, platform);
  }

  FixedClock clock{LocalTime{.day = 8, .month = 12, .year = 2026, .hour = 12, .minute = 0, .weekday = 2}};
  Settings settings;
  WindowsSettingsPlatform platform;
  OwnedWindow hotkey_window;
  HotkeySlots hotkeys{};
  TextTable text_table;
  HtmlHelp help{text_table, ""};
  AlarmClock alarm;
  ResourcePictures pictures;
  OptionsContext context;
};

// Removes what a test's sheet stored in the test prefix's registry (the settings with their Notiz and
// Hotkeys keys, and the autostart value the settings load writes), so that later tests find nothing.
inline void ForgetStoredSettings(OptionsFixture& fixture) {
  RegDeleteTreeA(HKEY_CURRENT_USER, fixture.settings.keys.main.c_str());
  fixture.platform.Store().DeleteValue(kRunKey, kAutostartValueName);
}

// Runs the sheet; answer gets the sheet's window on another thread once it is shown and must end it
// (OK, Cancel or the close box). False when the sheet did not come.
inline bool RunOptionsSheet(OptionsFixture& fixture, const std::function<void(HWND sheet)>& answer) {
  Answering answering(" Optionen", answer);
  if (!OpenOptions(nullptr, fixture.context)) return false;
  return answering.Finish();
}

// The page at a tab position (0 = General), made current as a click on its tab does.
inline HWND GoToPage(HWND sheet, int index) {
  SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
  return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

// A click on a button, check box or radio button of a page, as the control reports it.
inline void ClickItem(HWND page, int id) { SendMessageA(GetDlgItem(page, id), BM_CLICK, 0, 0); }

// A new selection in a page's drop-down list, with the notice the list sends its page.
inline void SelectRow(HWND page, int id, int row) {
  SendDlgItemMessageA(page, id, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
  SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
}

// The sheet's buttons. Wine's modal loop of the sheet looks whether the sheet has ended only after a
// posted message: a message sent from this thread alone leaves the loop waiting, so one follows.
inline void PressSheetButton(HWND sheet, int button) {
  SendMessageA(sheet, PSM_PRESSBUTTON, button, 0);
  PostMessageA(sheet, WM_NULL, 0, 0);
}
