// The main window: dialog 100, run modally for the whole life of the program. It is hidden most of
// the time; the tray icon shows and hides it. It owns the program's timers (the periodic check, the
// desktop icon colour and the wait after a change of the monitors), receives the hotkeys, the
// requests of a second start and the display's changes.
#pragma once

#include <windows.h>

#include <functional>

#include "common/owned_handles_win.h"
#include "settings/window_position.h"
#include "wallpaper/wallpaper_build.h"

struct MainWindowState {
  HWND window = nullptr;
  MainWindowMetrics metrics;  // work area, client size and frame height, taken at initialisation
  int shown = 0;              // 1 while the user has the window open
  int modal = 0;              // 1 while the options or the alarm editor run from here
  int first_tick = 1;         // until the periodic check's first tick has placed the window
  int stored_day = -1;        // the date of the icons and day texts; -1 forces a refresh
  int stored_month = -1;
  int day_changed = 0;        // a new date (or the first tick) waits for the wallpaper build
  bool last_build_result = false;
  int auto_exit_ticks = 0;
  // The wallpaper build, on the desktop and with the program's settings (a test may put another in
  // its place after initialisation): what is asked -> whether it succeeded.
  std::function<bool(WallpaperRequest request)> build_wallpaper;
  OwnedBitmap title_bitmap;
  OwnedFont bold_font;
  OwnedIcon date_icon;        // today's 32 x 32 date icon; other windows show it too
  HICON moon_icon = nullptr;  // a shared resource icon, which the system releases itself
};

MainWindowState& MainWindow();

// The dialog procedure of dialog 100. Ends the dialog with 1 when the program is to end.
INT_PTR CALLBACK MainDialogProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
