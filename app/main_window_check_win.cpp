// The main window's periodic check (TIMER_CHECK): at the first tick the window leaves its place
// off the screen; at each new date the icons and day texts are made anew; while nothing of the
// program is open the wallpaper build gets its chance; and the automatic exit counts the ticks.
#include "app/date_icon_picture.h"
#include "app/date_icon_win.h"
#include "app/main_window_win.h"
#include "app/window_messages.h"
#include "calendar/clock.h"
#include "resources/resource_ids.h"

namespace {

// The display's number of colours: the palette size on a palette display.
int DisplayColours() {
  const ScreenDc screen;
  return (GetDeviceCaps(screen.get(), RASTERCAPS) & RC_PALETTE) != 0 ? GetDeviceCaps(screen.get(), SIZEPALETTE)
                                                                      : GetDeviceCaps(screen.get(), NUMCOLORS);
}

// The periodic check stopped and the tray icon busy while the wallpaper is built; both come back
// on every way out of the build, an exception included, so that the check never stops for good.
class CheckPausedForBuild {
 public:
  CheckPausedForBuild(HWND window, TrayIcon& tray) : window_(window), tray_(tray) {
    KillTimer(window_, TIMER_CHECK);
    tray_.Update(true);
  }
  ~CheckPausedForBuild() {
    tray_.Update(false);
    SetTimer(window_, TIMER_CHECK, kCheckPeriod, nullptr);
  }
  CheckPausedForBuild(const CheckPausedForBuild&) = delete;
  CheckPausedForBuild& operator=(const CheckPausedForBuild&) = delete;

 private:
  HWND window_;
  TrayIcon& tray_;
};

}  // namespace

void MainWindow::FirstTick() {
  KillTimer(window(), TIMER_CHECK);
  const int colours = DisplayColours();
  if (colours >= 1 && colours <= 256) {
    MessageBoxA(window(), context_.text_table.LookupText(texts::ERR_COLORS).c_str(), "Sorry!", MB_ICONWARNING);
  }
  if (state_.ending) return;
  SetWindowPos(window(), HWND_BOTTOM, context_.settings.x, context_.settings.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
  ShowWindow(window(), SW_HIDE);
  SetTimer(window(), TIMER_CHECK, kCheckPeriod, nullptr);
}

// Today's date icon in control 1025 and as the window's large icon, the moon phase in 1044 and the
// day texts.
void MainWindow::ShowNewDay(const LocalTime& now) {
  OwnedIcon date_icon = MakeDateIcon(now.day, DateDigitColour(now.weekday));
  SendDlgItemMessageA(window(), IDC_MAIN_DATE_ICON, STM_SETICON, reinterpret_cast<WPARAM>(date_icon.get()), 0);
  SendMessageA(window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(date_icon.get()));
  // The old icon goes only now that no control shows it any more.
  date_icon_ = std::move(date_icon);

  moon_icon_ = MoonIcon(now.day, now.month, now.year, 32);
  SendDlgItemMessageA(window(), IDC_MAIN_MOON_ICON, STM_SETICON, reinterpret_cast<WPARAM>(moon_icon_), 0);

  SetDayTexts(400);
}

// Hidden, the tray icon busy, the wallpaper build; the window is put away by a new day.
void MainWindow::BuildWallpaperNow() {
  ShowWindow(window(), SW_HIDE);
  const CheckPausedForBuild paused(window(), *tray_);
  state_.last_build_result =
      build_wallpaper(state_.day_changed != 0 ? WallpaperRequest::kRebuild : WallpaperRequest::kCheck);
  state_.day_changed = 0;
  state_.shown = 0;
}

void MainWindow::PeriodicCheck() {
  if (state_.first_tick != 0) FirstTick();
  if (state_.ending) return;

  const LocalTime now = context_.clock.Now();
  if (state_.first_tick != 0 || now.day != state_.stored_day || now.month != state_.stored_month) {
    state_.stored_day = now.day;
    state_.stored_month = now.month;
    state_.day_changed = 1;
    ShowNewDay(now);
    state_.first_tick = 0;
  }

  if (state_.day_changed != 0 && state_.modal == 0) state_.shown = 0;
  if (state_.shown == 0 && state_.modal == 0 && !context_.month_window.shown()) BuildWallpaperNow();

  // A shell that has come (or come back) gets the captions' colour, four times a second from then on.
  if (context_.desktop_icons.Apply(context_.settings.IconColor)) {
    SetTimer(window(), TIMER_ICONCOLOR, kIconColourPeriod, nullptr);
  }

  AlarmCheck(context_.alarm, window());

  // Unapplied changes of the options or the editor are never stored by the automatic exit: it waits
  // for them to close.
  if (state_.last_build_result && context_.settings.AutoExit != 0 && state_.shown == 0 && state_.modal == 0) {
    ++state_.auto_exit_ticks;
    if (state_.auto_exit_ticks > 5) {
      SaveSettings(context_.settings, context_.platform.Store());
      EndProgram();
    }
  }
}

void MainWindow::NewPicture(bool from_button) {
  if (from_button) {
    PutAway();
  } else {
    Fade();
  }
  Settings& settings = context_.settings;
  state_.stored_day = -1;
  settings.OldHour = -1;
  settings.OldDay = -1;
  settings.OldMonth = -1;
  state_.last_build_result = build_wallpaper(WallpaperRequest::kRebuild);
  state_.day_changed = 0;
}

void MainWindow::RedrawWallpaper() {
  if (state_.modal != 0) {
    state_.redraw_pending = true;
    return;
  }
  state_.redraw_pending = false;
  const CheckPausedForBuild paused(window(), *tray_);
  state_.last_build_result = build_wallpaper(WallpaperRequest::kRedraw);
}
