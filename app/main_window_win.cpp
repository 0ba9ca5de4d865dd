// The main window's making, its messages, its texts and its end. The commands, the periodic check
// and the actions both share are in main_window_commands_win.cpp, main_window_check_win.cpp and
// main_window_actions_win.cpp, each using only those after it.
#include "app/main_window_win.h"

#include "app/resource_bitmap_win.h"
#include "app/window_messages.h"
#include "options/hotkey_registration_win.h"
#include "resources/resource_ids.h"

namespace {

// The window text with a bold font one and a half times the dialog font's height.
OwnedFont MakeBoldFont(HWND window) {
  auto dialog_font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
  LOGFONTA font{};
  if (dialog_font == nullptr || GetObjectA(dialog_font, sizeof font, &font) == 0) return nullptr;
  font.lfHeight += font.lfHeight / 2;
  font.lfWeight = FW_BOLD;
  font.lfItalic = FALSE;
  return OwnedFont(CreateFontIndirectA(&font));
}

OwnedBitmap LoadTitlePicture(HWND window) {
  RECT client{};
  GetClientRect(GetDlgItem(window, IDC_MAIN_TITLE_PICTURE), &client);
  return LoadResourceBitmap("TITEL", "BITMAPI", client.right, client.bottom);
}

}  // namespace

MainWindow::MainWindow(const MainWindowContext& context) : context_(context) {
  // Shown where it is parked, without taking the foreground from the user.
  if (CreateModeless(IDD_MAIN, nullptr)) ShowWindow(window(), SW_SHOWNOACTIVATE);
}

std::optional<INT_PTR> MainWindow::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  // The shell has (re)started: the tray icon is added to its new taskbar, and its desktop's icons get
  // their caption colour.
  if (message == taskbar_created_ && taskbar_created_ != 0 && tray_) {
    tray_->ShellRestarted();
    tray_->Update();
    SetTimer(window(), TIMER_ICONCOLOR, kIconColourPeriod, nullptr);
    return TRUE;
  }
  switch (message) {
    case WM_INITDIALOG:
      Initialise();
      return TRUE;
    case WM_TIMER:
      if (wparam == TIMER_CHECK) PeriodicCheck();
      // Without a desktop list view (no shell) the colour waits for the periodic check to find one.
      if (wparam == TIMER_ICONCOLOR && !context_.desktop_icons.Apply(context_.settings.IconColor)) {
        KillTimer(window(), TIMER_ICONCOLOR);
      }
      if (wparam == TIMER_DISPLAY) {
        KillTimer(window(), TIMER_DISPLAY);
        RequestWallpaper(WallpaperRequest::kRedraw);
      }
      return TRUE;
    // Monitors added or removed, a resolution, orientation or DPI change, or a taskbar moved: the
    // wallpaper is drawn again once the changes have settled (each one restarts the wait).
    case WM_DISPLAYCHANGE:
    case WM_DPICHANGED:
      SetTimer(window(), TIMER_DISPLAY, kDisplaySettleDelay, nullptr);
      return TRUE;
    case WM_SETTINGCHANGE:
      if (wparam == SPI_SETWORKAREA) SetTimer(window(), TIMER_DISPLAY, kDisplaySettleDelay, nullptr);
      return std::nullopt;
    case WM_COMMAND:
      OnCommand(LOWORD(wparam));
      return TRUE;
    case WM_HOTKEY:
      OnHotkey(static_cast<int>(wparam));
      return TRUE;
    case WM_ENDSESSION:
      // The session ends: the program ends with it (the note window saves its note itself).
      if (wparam != FALSE) EndProgram();
      return TRUE;
    case WM_DESTROY:
      Destroy();
      return TRUE;
    case MSG_SET_TEXTS:
      ShowTexts();
      return TRUE;
    case MSG_TEXTS_CHANGED:
      ShowTexts();
      RequestWallpaper(WallpaperRequest::kRedraw);
      return TRUE;
    case MSG_WALLPAPER_BUILT:
      WallpaperBuilt();
      return TRUE;
    case MSG_TRAY_NOTIFY:
      OnTrayNotify(lparam);
      return TRUE;
    case MSG_SHOW_MAIN:
      OnShowRequest();
      return TRUE;
    case MSG_QUIT_MAIN:
      Fade();
      EndProgram();
      return TRUE;
    default:
      return std::nullopt;
  }
}

void MainWindow::Initialise() {
  TakeMetricsAndPark();
  SetWindowTextA(window(), kMainWindowTitle);
  tray_.emplace(window(), context_.clock, context_.settings, context_.text_table, context_.wallpaper);
  tray_->Update();
  taskbar_created_ = RegisterWindowMessageA("TaskbarCreated");
  bold_font_ = MakeBoldFont(window());
  if (bold_font_) {
    SendDlgItemMessageA(window(), IDC_MAIN_DATE_TEXT, WM_SETFONT, reinterpret_cast<WPARAM>(bold_font_.get()), TRUE);
  }
  title_bitmap_ = LoadTitlePicture(window());
  SendDlgItemMessageA(window(), IDC_MAIN_TITLE_PICTURE, STM_SETIMAGE, IMAGE_BITMAP,
                      reinterpret_cast<LPARAM>(title_bitmap_.get()));
  // The font and the picture may have changed the client size.
  TakeMetricsAndPark();
  LoadHotkeys(context_.hotkeys, context_.platform.Store(), context_.settings.keys);
  RegisterHotkeys(window(), context_.hotkeys);
  SetTimer(window(), TIMER_CHECK, kFirstCheckDelay, nullptr);
  SetTimer(window(), TIMER_ICONCOLOR, kIconColourPeriod, nullptr);
  SendMessageA(window(), MSG_SET_TEXTS, 0, 0);
}

// The title picture, the bold font and the date icon go with the object.
void MainWindow::Destroy() {
  KillTimer(window(), TIMER_CHECK);
  KillTimer(window(), TIMER_ICONCOLOR);
  KillTimer(window(), TIMER_DISPLAY);
  UnregisterHotkeys(window(), context_.hotkeys);
  tray_.reset();
}

void MainWindow::TakeMetricsAndPark() {
  RECT work_area{}, client{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work_area, 0);
  GetClientRect(window(), &client);
  state_.metrics = {{work_area.left, work_area.top, work_area.right, work_area.bottom},
                    client.right,
                    client.bottom,
                    GetSystemMetrics(SM_CYCAPTION) + 2 * GetSystemMetrics(SM_CYFRAME)};
  CorrectWindowPosition(context_.settings.x, context_.settings.y, state_.metrics);
  SetWindowPos(window(), HWND_BOTTOM, 9999, 9999, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

void MainWindow::ShowTexts() {
  struct Caption {
    int id;
    const TextEntry& text;
  };
  static constexpr Caption kCaptions[] = {
      {IDC_MAIN_NEW_PICTURE, texts::MAIN_NEWPIC}, {IDC_MAIN_ALARM, texts::MAIN_ALARM},
      {IDC_MAIN_CALCULATOR, texts::MAIN_CALC},    {IDC_MAIN_CALENDAR, texts::MAIN_CALENDAR},
      {IDC_MAIN_OPTIONS, texts::MAIN_CONFIG},     {IDC_MAIN_NOTE, texts::MAIN_NOTE},
      {IDC_MAIN_HELP, texts::MAIN_HELP},          {IDC_MAIN_MINIMIZE, texts::MAIN_MINIMIZE},
      {IDC_MAIN_EXIT, texts::MAIN_EXIT},
  };
  for (const Caption& caption : kCaptions) {
    SetDlgItemTextA(window(), caption.id, context_.text_table.LookupText(caption.text).c_str());
  }
  SetDayTexts(256);
}
