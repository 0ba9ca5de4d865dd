// The main window's actions that its check, its commands and its messages share: today's icons and
// texts, the wallpaper builds, putting the window away, and ending the program.
#include "app/date_icon_picture.h"
#include "app/date_icon_win.h"
#include "app/date_text.h"
#include "app/main_window_win.h"
#include "app/window_messages.h"
#include "calendar/today_info.h"
#include "resources/resource_ids.h"

namespace {

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

void MainWindow::SetDayTexts(std::size_t capacity) {
  char text[400];
  capacity = capacity < sizeof text ? capacity : sizeof text;
  const LocalTime now = context_.clock.Now();
  FormatDateText(text, capacity, now, context_.settings.regional, context_.text_table);
  SetDlgItemTextA(window(), IDC_MAIN_DATE_TEXT, text);
  TodayInfoText(text, capacity, now, context_.settings.Feiertage, context_.text_table);
  SetDlgItemTextA(window(), IDC_MAIN_INFO_TEXT, text);
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

void MainWindow::StoreWindowPosition() {
  RECT rectangle{};
  GetWindowRect(window(), &rectangle);
  context_.settings.x = rectangle.left;
  context_.settings.y = rectangle.top;
}

void MainWindow::Fade() { FadeAlarmSound(context_.alarm); }

void MainWindow::EndProgram() {
  if (state_.ending) return;
  state_.ending = true;
  // A second start from now on waits for this instance to be gone instead of handing it a request.
  SetWindowTextA(window(), "");
  ShowWindow(window(), SW_HIDE);
  KillTimer(window(), TIMER_CHECK);
  KillTimer(window(), TIMER_DISPLAY);
  CloseNoticeWindows(context_.alarm);
  // Ends the program's message loop, and on its way every modal loop open inside it (the options, the
  // editor, a message box): their windows go as Cancel and the close box make them go.
  PostQuitMessage(1);
}

void MainWindow::PutAway() {
  state_.shown = 0;
  StoreWindowPosition();
  SaveSettings(context_.settings, context_.platform.Store());
  ShowWindow(window(), SW_HIDE);
}
