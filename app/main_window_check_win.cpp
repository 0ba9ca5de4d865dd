// The main window's periodic check (TIMER_CHECK): at the first tick the window leaves its place
// off the screen; at each new date the icons and day texts are made anew; while nothing of the
// program is open the wallpaper build gets its chance; and the automatic exit counts the ticks.
#include "app/date_icon_picture.h"
#include "app/date_icon_win.h"
#include "app/host_windows_win.h"
#include "app/main_window_actions_win.h"
#include "app/program_win.h"
#include "app/tray_win.h"
#include "app/window_messages.h"
#include "calendar/clock.h"
#include "resources/resource_ids.h"
#include "texts/text_table.h"

namespace {

// The display's number of colours: the palette size on a palette display.
int DisplayColours() {
  const ScreenDc screen;
  return (GetDeviceCaps(screen.get(), RASTERCAPS) & RC_PALETTE) != 0 ? GetDeviceCaps(screen.get(), SIZEPALETTE)
                                                                      : GetDeviceCaps(screen.get(), NUMCOLORS);
}

void FirstTick(MainWindowState& state) {
  KillTimer(state.window, TIMER_CHECK);
  int colours = DisplayColours();
  if (colours >= 1 && colours <= 256) {
    MessageBoxA(state.window, LookupText(texts::ERR_COLORS), "Sorry!", MB_ICONWARNING);
  }
  const Settings& settings = ProgramSettings();
  SetWindowPos(state.window, HWND_BOTTOM, settings.x, settings.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
  ShowWindow(state.window, SW_HIDE);
  SetTimer(state.window, TIMER_CHECK, kCheckPeriod, nullptr);
}

// Today's date icon in control 1025 and as the window's large icon, the moon phase in 1044 and the
// day texts.
void ShowNewDay(MainWindowState& state, const LocalTime& now) {
  OwnedIcon date_icon = MakeDateIcon(now.day, DateDigitColour(now.weekday));
  SendDlgItemMessageA(state.window, IDC_MAIN_DATE_ICON, STM_SETICON, reinterpret_cast<WPARAM>(date_icon.get()), 0);
  SendMessageA(state.window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(date_icon.get()));
  // The old icon goes only now that no control shows it any more.
  state.date_icon = std::move(date_icon);

  state.moon_icon = MoonIcon(now.day, now.month, now.year, 32);
  SendDlgItemMessageA(state.window, IDC_MAIN_MOON_ICON, STM_SETICON, reinterpret_cast<WPARAM>(state.moon_icon), 0);

  SetDayTexts(state.window, 400);
}

// The periodic check stopped and the tray icon busy while the wallpaper is built; both come back
// on every way out of the build, an exception included, so that the check never stops for good.
class CheckPausedForBuild {
 public:
  explicit CheckPausedForBuild(HWND window) : window_(window) {
    KillTimer(window_, TIMER_CHECK);
    UpdateTrayIcon(window_, true);
  }
  ~CheckPausedForBuild() {
    UpdateTrayIcon(window_, false);
    SetTimer(window_, TIMER_CHECK, kCheckPeriod, nullptr);
  }
  CheckPausedForBuild(const CheckPausedForBuild&) = delete;
  CheckPausedForBuild& operator=(const CheckPausedForBuild&) = delete;

 private:
  HWND window_;
};

// Hidden, the tray icon busy, the wallpaper build; the window is put away by a new day.
void BuildWallpaperNow(MainWindowState& state) {
  ShowWindow(state.window, SW_HIDE);
  const CheckPausedForBuild paused(state.window);
  state.last_build_result =
      state.build_wallpaper(state.day_changed != 0 ? WallpaperRequest::kRebuild : WallpaperRequest::kCheck);
  state.day_changed = 0;
  state.shown = 0;
}

}  // namespace

void PeriodicCheck(MainWindowState& state) {
  if (state.first_tick != 0) FirstTick(state);

  const LocalTime now = ProgramClock().Now();
  if (state.first_tick != 0 || now.day != state.stored_day || now.month != state.stored_month) {
    state.stored_day = now.day;
    state.stored_month = now.month;
    state.day_changed = 1;
    ShowNewDay(state, now);
    state.first_tick = 0;
  }

  if (state.day_changed != 0 && state.modal == 0) state.shown = 0;
  if (state.shown == 0 && state.modal == 0 && MonthHost().visible == 0) BuildWallpaperNow(state);

  AlarmCheck(ProgramAlarmClock(), state.window);

  Settings& settings = ProgramSettings();
  if (state.last_build_result && settings.AutoExit != 0 && state.shown == 0) {
    ++state.auto_exit_ticks;
    if (state.auto_exit_ticks > 5) {
      SaveSettings(settings, ProgramStore());
      EndProgram(state);
    }
  }
}

void NewPicture(MainWindowState& state, bool from_button) {
  if (from_button) {
    PutAway(state);
  } else {
    Fade();
  }
  Settings& settings = ProgramSettings();
  state.stored_day = -1;
  settings.OldHour = -1;
  settings.OldDay = -1;
  settings.OldMonth = -1;
  state.last_build_result = state.build_wallpaper(WallpaperRequest::kRebuild);
  state.day_changed = 0;
}

void RedrawForDisplay(MainWindowState& state) {
  if (state.modal != 0) return;  // the timer stays and asks again
  KillTimer(state.window, TIMER_DISPLAY);
  const CheckPausedForBuild paused(state.window);
  state.last_build_result = state.build_wallpaper(WallpaperRequest::kRedraw);
}
