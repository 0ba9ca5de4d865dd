// The main window's periodic check (TIMER_CHECK): at the first tick the window leaves its place
// off the screen; at each new date the icons and day texts are made anew; while nothing of the
// program is open the wallpaper build gets its chance; the caption colour looks for a shell; the
// alarms are checked; and the automatic exit counts the ticks.
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

void MainWindow::PeriodicCheck() {
  if (state_.first_tick != 0) FirstTick();
  if (state_.ending) return;

  const LocalTime now = context_.clock.Now();
  if (state_.first_tick != 0 || now.day != state_.stored_day || now.month != state_.stored_month) {
    state_.stored_day = now.day;
    state_.stored_month = now.month;
    ShowNewDay(now);
    state_.first_tick = 0;
    // A new day puts the window away.
    if (state_.modal == 0) {
      state_.shown = 0;
      ShowWindow(window(), SW_HIDE);
    }
  }

  // The wallpaper draws the new date itself, and changes the picture when its policy says so.
  if (state_.shown == 0 && !context_.month_window.shown()) RequestWallpaper(WallpaperRequest::kCheck);

  // A shell that has come (or come back) gets the captions' colour, four times a second from then on;
  // without a desktop list view the timer stops itself at its first tick.
  SetTimer(window(), TIMER_ICONCOLOR, kIconColourPeriod, nullptr);

  AlarmCheck(context_.alarm, window());

  // Unapplied changes of the options or the editor are never stored by the automatic exit: it waits
  // for them to close, and for a wallpaper on the desktop.
  const Wallpaper& wallpaper = context_.wallpaper;
  if (!wallpaper.building() && !wallpaper.failure() && context_.settings.AutoExit != 0 && state_.shown == 0 &&
      state_.modal == 0) {
    ++state_.auto_exit_ticks;
    if (state_.auto_exit_ticks > 5) {
      SaveSettings(context_.settings, context_.platform.Store());
      EndProgram();
    }
  }
}
