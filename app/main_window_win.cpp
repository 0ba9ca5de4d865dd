// The main window's dialog procedure: initialisation, texts and destruction; the periodic check and
// the commands are in main_window_check_win.cpp and main_window_commands_win.cpp.
#include "app/main_window_win.h"

#include "app/date_text.h"
#include "app/main_window_actions_win.h"
#include "app/program_win.h"
#include "app/resource_bitmap_win.h"
#include "app/tray_win.h"
#include "app/window_messages.h"
#include "calendar/today_info.h"
#include "options/hotkey_registration_win.h"
#include "resources/resource_ids.h"
#include "texts/text_table.h"
#include "wallpaper/desktop_wallpaper_win.h"

namespace {

MainWindowState g_main_window;

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

bool BuildProgramWallpaper(WallpaperRequest request) {
  return BuildDesktopWallpaper(request, ProgramBuildContext(), ProgramSettings(), ProgramStore());
}

void Initialise(MainWindowState& state, HWND window) {
  state = MainWindowState{};
  state.window = window;
  state.build_wallpaper = BuildProgramWallpaper;
  TakeMetricsAndPark(state);
  SetWindowTextA(window, kMainWindowTitle);
  UpdateTrayIcon(window, true);
  state.bold_font = MakeBoldFont(window);
  if (state.bold_font) {
    SendDlgItemMessageA(window, IDC_MAIN_DATE_TEXT, WM_SETFONT, reinterpret_cast<WPARAM>(state.bold_font.get()),
                        TRUE);
  }
  state.title_bitmap = LoadTitlePicture(window);
  SendDlgItemMessageA(window, IDC_MAIN_TITLE_PICTURE, STM_SETIMAGE, IMAGE_BITMAP,
                      reinterpret_cast<LPARAM>(state.title_bitmap.get()));
  // The font and the picture may have changed the client size.
  TakeMetricsAndPark(state);
  Settings& settings = ProgramSettings();
  LoadHotkeys(ProgramHotkeys(), ProgramStore(), settings.keys);
  RegisterHotkeys(window, ProgramHotkeys());
  SetTimer(window, TIMER_CHECK, kFirstCheckDelay, nullptr);
  SetTimer(window, TIMER_ICONCOLOR, kIconColourPeriod, nullptr);
  SendMessageA(window, MSG_SET_TEXTS, 0, 0);
}

void SetTexts(HWND window) {
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
  for (const Caption& caption : kCaptions) SetDlgItemTextA(window, caption.id, LookupText(caption.text));
  SetDayTexts(window, 256);
}

void Destroy(MainWindowState& state) {
  KillTimer(state.window, TIMER_CHECK);
  KillTimer(state.window, TIMER_ICONCOLOR);
  KillTimer(state.window, TIMER_DISPLAY);
  UnregisterHotkeys(state.window, ProgramHotkeys());
  RemoveTrayIcon(state.window);
  // The title picture, the bold font and the date icon go with the state.
  state = MainWindowState{};
}

INT_PTR HandleMessage(MainWindowState& state, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      Initialise(state, window);
      return TRUE;
    case WM_TIMER:
      if (wparam == TIMER_CHECK) PeriodicCheck(state);
      if (wparam == TIMER_ICONCOLOR) ProgramDesktopIcons().Apply(ProgramSettings().IconColor);
      if (wparam == TIMER_DISPLAY) RedrawForDisplay(state);
      return TRUE;
    // Monitors added or removed, a resolution, orientation or DPI change, or a taskbar moved: the
    // wallpaper is drawn again once the changes have settled (each one restarts the wait).
    case WM_DISPLAYCHANGE:
    case WM_DPICHANGED:
      SetTimer(window, TIMER_DISPLAY, kDisplaySettleDelay, nullptr);
      return TRUE;
    case WM_SETTINGCHANGE:
      if (wparam == SPI_SETWORKAREA) SetTimer(window, TIMER_DISPLAY, kDisplaySettleDelay, nullptr);
      return FALSE;
    case WM_COMMAND:
      OnCommand(state, LOWORD(wparam));
      return TRUE;
    case WM_HOTKEY:
      OnHotkey(state, static_cast<int>(wparam));
      return TRUE;
    case WM_DESTROY:
      Destroy(state);
      return TRUE;
    case MSG_SET_TEXTS:
      SetTexts(window);
      return TRUE;
    case MSG_TRAY_NOTIFY:
      OnTrayNotify(state, lparam);
      return TRUE;
    case MSG_SHOW_MAIN:
      OnShowRequest(state);
      return TRUE;
    case MSG_QUIT_MAIN:
      Fade();
      EndProgram(state);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

MainWindowState& MainWindow() { return g_main_window; }

void TakeMetricsAndPark(MainWindowState& state) {
  RECT work_area{}, client{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work_area, 0);
  GetClientRect(state.window, &client);
  state.metrics = {{work_area.left, work_area.top, work_area.right, work_area.bottom},
                   client.right,
                   client.bottom,
                   GetSystemMetrics(SM_CYCAPTION) + 2 * GetSystemMetrics(SM_CYFRAME)};
  Settings& settings = ProgramSettings();
  CorrectWindowPosition(settings.x, settings.y, state.metrics);
  SetWindowPos(state.window, HWND_BOTTOM, 9999, 9999, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

void SetDayTexts(HWND window, std::size_t capacity) {
  char text[400];
  capacity = capacity < sizeof text ? capacity : sizeof text;
  const LocalTime now = ProgramClock().Now();
  FormatDateText(text, capacity, now, ProgramSettings().regional);
  SetDlgItemTextA(window, IDC_MAIN_DATE_TEXT, text);
  TodayInfoText(text, capacity, now, ProgramSettings().Feiertage);
  SetDlgItemTextA(window, IDC_MAIN_INFO_TEXT, text);
}

INT_PTR CALLBACK MainDialogProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  // No exception may leave a window procedure: an allocation that fails here loses only this message.
  try {
    return HandleMessage(g_main_window, window, message, wparam, lparam);
  } catch (...) {
    return FALSE;
  }
}
