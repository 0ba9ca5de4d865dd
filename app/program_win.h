// The running program: the one owner of everything that lives while it runs. It loads the settings
// and brings up the parts in their order, hands each window what it needs when the window is made,
// runs the program's one message loop, and ends the parts in reverse order.
#pragma once

#include <windows.h>

#include <optional>

#include "alarm/alarm_clock_win.h"
#include "app/desktop_icons_win.h"
#include "app/main_window_win.h"
#include "calendar/clock.h"
#include "monthview/month_window_win.h"
#include "notes/note_list.h"
#include "notes/note_window_win.h"
#include "options/hotkeys.h"
#include "settings/settings.h"
#include "settings/settings_platform_win.h"
#include "texts/help_win.h"
#include "texts/text_table.h"
#include "wallpaper/builtin_pictures_win.h"
#include "wallpaper/desktop_wallpaper_win.h"
#include "wallpaper/wallpaper.h"

class Program {
 public:
  // Loads the settings (with the picture list in the data folder and the autostart value), chooses the
  // texts' language and starts the help and the picture choice; the clock is the system's, or a
  // test's, and outlives the program.
  explicit Program(const Clock& clock);
  // Ends what Start began, in reverse order: the main window (with the tray icon and the hotkeys),
  // the month calendar, the note window (which saves its note), the sound; then a wallpaper build
  // still running is abandoned, and the help ends.
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Brings up the running parts in their order: the desktop icons' caption colour, the sound, the
  // appointments, the note window and the month calendar (hidden), and the main window. False, with
  // nothing started, when the program has no built-in pictures.
  bool Start();
  // The program's one message loop, until the main window ends the program. Its exit code.
  int Run();

  // The main window once Start has made it.
  MainWindow& main_window() { return *main_window_; }
  Settings& settings() { return settings_; }
  SettingsStore& store() { return platform_.Store(); }
  NoteWindow& note_window() { return *note_window_; }
  MonthWindow& month_window() { return *month_window_; }
  Wallpaper& wallpaper() { return wallpaper_; }

 private:
  void Stop();

  const Clock& clock_;
  WindowsSettingsPlatform platform_;
  Settings settings_;
  TextTable text_table_;
  HtmlHelp help_;
  ResourcePictures pictures_;
  DesktopWallpaperPlatform wallpaper_platform_{pictures_};
  Wallpaper wallpaper_;
  HotkeySlots hotkeys_{};
  DesktopIconColour desktop_icons_;
  AlarmClock alarm_;
  NoteList notes_;
  NoteWindowContext note_context_;
  // The windows, from Start to Stop.
  std::optional<NoteWindow> note_window_;
  std::optional<MonthWindow> month_window_;
  std::optional<MainWindow> main_window_;
};
