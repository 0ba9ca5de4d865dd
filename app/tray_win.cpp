// The tray icon. Its record is the full NOTIFYICONDATAA of the headers (cbSize = sizeof), with a
// tooltip of at most 127 characters.
#include "app/tray_win.h"

#include <shellapi.h>

#include "app/date_icon_picture.h"
#include "app/date_icon_win.h"
#include "app/date_text.h"
#include "app/window_messages.h"
#include "common/bounded_text.h"
#include "texts/text_table.h"

namespace {

// The icon to show, and the date icon made for it (empty when a shared resource icon is shown,
// which the system keeps).
struct TrayImage {
  HICON icon = nullptr;
  OwnedIcon made;
};

TrayImage TrayIconImage(const LocalTime& now, const Settings& settings) {
  if (settings.Mondphasen != 0) {
    return {MoonIcon(now.day, now.month, now.year, GetSystemMetrics(SM_CXICON)), nullptr};
  }
  OwnedIcon date = MakeSmallDateIcon(now.day, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                     kSmallDateIconBackground, DateDigitColour(now.weekday));
  if (date) return {date.get(), std::move(date)};
  // Without a date icon the program's own calendar icon keeps the program visible in the tray.
  return {static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), "APP_ICON", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                        GetSystemMetrics(SM_CYSMICON), LR_SHARED)),
          nullptr};
}

NOTIFYICONDATAA TrayRecord(HWND main_window) {
  NOTIFYICONDATAA record{};
  record.cbSize = sizeof record;
  record.hWnd = main_window;
  record.uID = kTrayIconId;
  return record;
}

}  // namespace

TrayIcon::~TrayIcon() {
  NOTIFYICONDATAA record = TrayRecord(main_window_);
  Shell_NotifyIconA(NIM_DELETE, &record);
}

bool TrayIcon::Update() {
  const LocalTime now = clock_.Now();
  const TrayImage image = TrayIconImage(now, settings_);
  NOTIFYICONDATAA record = TrayRecord(main_window_);
  record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record.uCallbackMessage = MSG_TRAY_NOTIFY;
  record.hIcon = image.icon;
  std::string tip;
  if (wallpaper_.building()) {
    tip = text_table_.LookupText(texts::MAIN_WAIT);
  } else {
    char date[256];
    FormatDateText(date, sizeof date, now, settings_.regional, text_table_);
    tip = date;
    if (const std::optional<WallpaperFailure> failure = wallpaper_.failure()) {
      tip += '\n';
      tip += WallpaperFailureText(*failure, text_table_);
    }
  }
  CopyText(record.szTip, tip);
  const bool accepted = Shell_NotifyIconA(add_pending_ ? NIM_ADD : NIM_MODIFY, &record) != FALSE;
  if (accepted) add_pending_ = false;
  // The shell keeps its own copy of the icon.
  return accepted;
}
