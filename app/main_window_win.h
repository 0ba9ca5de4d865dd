// The main window: dialog 100, modeless, for the whole life of the program. It is hidden most of the
// time; the tray icon shows and hides it. It owns the tray icon and the program's timers (the
// periodic check, the desktop icon colour and the wait after a change of the monitors), receives the
// hotkeys, the requests of a second start and the display's changes, and opens everything else.
#pragma once

#include <windows.h>

#include <optional>

#include "alarm/alarm_clock_win.h"
#include "app/desktop_icons_win.h"
#include "app/tray_win.h"
#include "calendar/clock.h"
#include "common/dialog_window_win.h"
#include "common/owned_handles_win.h"
#include "monthview/month_window_win.h"
#include "notes/note_window_win.h"
#include "options/hotkeys.h"
#include "settings/settings.h"
#include "settings/window_position.h"
#include "texts/help_win.h"
#include "texts/text_table.h"
#include "wallpaper/wallpaper.h"

// The program's parts the main window works with; they outlive it.
struct MainWindowContext {
  const Clock& clock;
  Settings& settings;
  SettingsPlatform& platform;  // the registry store, the program's path, the reload of the settings
  TextTable& text_table;
  const HtmlHelp& help;
  HotkeySlots& hotkeys;
  AlarmClock& alarm;
  DesktopIconColour& desktop_icons;
  NoteWindow& note_window;
  MonthWindow& month_window;
  BuiltinPictures& pictures;
  Wallpaper& wallpaper;
};

// What the main window keeps from message to message.
struct MainWindowState {
  MainWindowMetrics metrics;  // work area, client size and frame height, taken at initialisation
  int shown = 0;              // 1 while the user has the window open
  int modal = 0;              // 1 while the options or the alarm editor run from here
  int first_tick = 1;         // until the periodic check's first tick has placed the window
  int stored_day = -1;        // the date of the icons and day texts; -1 forces a refresh
  int stored_month = -1;
  int auto_exit_ticks = 0;
  bool ending = false;  // the program is ending: nothing new is begun
};

class MainWindow final : public DialogWindow {
 public:
  // Makes the window, parked off the screen at the bottom of the z-order and shown there (visible to
  // the system, not on the screen) until the first tick of the periodic check places and hides it.
  explicit MainWindow(const MainWindowContext& context);
  ~MainWindow() override { DestroyWindowNow(); }

  // What the window keeps: the program reads it, tests look at it and set the modal flag.
  MainWindowState& state() { return state_; }
  // Today's 32 x 32 date icon, which other windows show too; null before the first tick.
  HICON date_icon() const { return date_icon_.get(); }

 private:
  std::optional<INT_PTR> OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void Initialise();
  void Destroy();
  // Reads the work area, the client size and the frame height, corrects the stored position, and
  // parks the window off the screen at the bottom of the z-order.
  void TakeMetricsAndPark();
  // The buttons' captions and the day texts.
  void ShowTexts();
  // The date text into 1045 and the text about today into 1046, each bounded by capacity.
  void SetDayTexts(std::size_t capacity);
  void ShowNewDay(const LocalTime& now);
  void FirstTick();
  // TIMER_CHECK: placing the window at the first tick, a new day, the wallpaper's check and the
  // automatic exit.
  void PeriodicCheck();
  // Asks the wallpaper for a build (while the options or the alarm editor are open it waits for
  // them); the tray icon shows when one runs.
  void RequestWallpaper(WallpaperRequest request);
  // MSG_WALLPAPER_BUILT: the worker has finished a build.
  void WallpaperBuilt();
  // A new picture now, from the button (the window is put away first) or from the hotkey.
  void NewPicture(bool from_button);
  // The window's position is stored with all the settings, and the window hides.
  void PutAway();
  void StoreWindowPosition();
  // Fades out a playing alarm sound.
  void Fade();
  // Ends the program: open notice windows are answered as their close box does, the window gives up
  // its title (a second start no longer finds it) and the program's message loop ends.
  void EndProgram();
  void RunOptions();
  void OpenAlarmEditor();
  void ToggleNoteWindow();
  void ToggleMonthCalendar();
  void SetMoonDisplay(int on);
  void ShowFromTray();
  void OnCommand(int id);
  void OnHotkey(int id);
  void OnTrayNotify(LPARAM mouse_message);
  void OnShowRequest();
  // The options or the alarm editor open (true) or closed (false): the window's check and the
  // wallpaper's builds wait for them.
  void SetModal(bool modal);

  MainWindowContext context_;
  MainWindowState state_;
  std::optional<TrayIcon> tray_;
  // The shell's message that the taskbar was made anew (the shell restarted): the tray icon returns.
  UINT taskbar_created_ = 0;
  OwnedBitmap title_bitmap_;
  OwnedFont bold_font_;
  OwnedIcon date_icon_;
  HICON moon_icon_ = nullptr;  // a shared resource icon, which the system releases itself
};
