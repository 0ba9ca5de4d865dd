// The main window's actions that its check, its commands and its messages share: today's icons and
// texts, the wallpaper's requests, putting the window away, and ending the program.
#include "app/date_icon_picture.h"
#include "app/date_icon_win.h"
#include "app/date_text.h"
#include "app/main_window_win.h"
#include "app/window_messages.h"
#include "calendar/today_info.h"
#include "resources/resource_ids.h"

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

void MainWindow::RequestWallpaper(WallpaperRequest request) {
  context_.wallpaper.Request(request);
  tray_->Update();
}

void MainWindow::WallpaperBuilt() {
  context_.wallpaper.BuildEnded();
  tray_->Update();
}

void MainWindow::NewPicture(bool from_button) {
  if (from_button) {
    PutAway();
  } else {
    Fade();
  }
  RequestWallpaper(WallpaperRequest::kNewPicture);
}

void MainWindow::SetModal(bool modal) {
  state_.modal = modal ? 1 : 0;
  context_.wallpaper.Hold(modal);
  tray_->Update();
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
