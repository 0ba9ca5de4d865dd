// What the main window does on its buttons, icons, hotkeys, tray clicks and the request of a
// second start to show it.
#include "alarm/alarm_editor_win.h"
#include "app/host_windows_win.h"
#include "app/main_window_actions_win.h"
#include "app/program_win.h"
#include "app/tray_win.h"
#include "app/window_messages.h"
#include "options/options_sheet_win.h"
#include "resources/resource_ids.h"
#include "settings/settings_platform_win.h"
#include "texts/help_win.h"
#include "wallpaper/builtin_pictures_win.h"

namespace {

// The main window stays hidden and its check builds nothing while the sheet is open; what the pages
// ask for happens after it has closed.
void RunOptions(MainWindowState& state) {
  state.modal = 1;
  ShowWindow(state.window, SW_HIDE);
  WindowsSettingsPlatform platform;
  OptionsContext context{&ProgramClock(), &ProgramSettings(),        &platform,
                         state.window,    &ProgramHotkeys(),         &ProgramAlarmClock(),
                         &ProgramResourcePictures(), state.date_icon.get()};
  OpenOptions(state.window, context);
  if (context.rebuild_wallpaper) state.day_changed = 1;
  if (context.rescan_notes) SendMessageA(NoteHost().window, MSG_NOTE_RESCAN, 0, 0);
  ShowWindow(state.window, SW_SHOW);
  state.modal = 0;
}

// The editor is refused while a check pass holds record indexes (a notice window of it is open).
void OpenAlarmEditor(MainWindowState& state) {
  AlarmClock& alarm = ProgramAlarmClock();
  if (!AlarmEditorAvailable(alarm)) return;
  state.modal = 1;
  if (RunAlarmEditor(alarm, state.window)) state.day_changed = 0;
  state.modal = 0;
}

void ToggleNoteWindow() {
  HostWindow& host = NoteHost();
  SendMessageA(host.window, host.visible != 0 ? MSG_NOTE_HIDE : MSG_NOTE_SHOW, 0, 0);
}

void ToggleMonthCalendar() {
  HostWindow& host = MonthHost();
  SendMessageA(host.window, host.visible != 0 ? MSG_CALENDAR_HIDE : MSG_CALENDAR_SHOW, 0, 0);
}

void StoreWindowPosition(const MainWindowState& state) {
  RECT window{};
  GetWindowRect(state.window, &window);
  ProgramSettings().x = window.left;
  ProgramSettings().y = window.top;
}

void SetMoonDisplay(MainWindowState& state, int on) {
  ProgramSettings().Mondphasen = on;
  UpdateTrayIcon(state.window, false);
  SaveMoonSetting(ProgramSettings(), ProgramStore());
}

void ShowFromTray(MainWindowState& state) {
  state.shown = state.shown == 0 ? 1 : 0;
  if (state.shown == 0) {
    ShowWindow(state.window, SW_HIDE);
    return;
  }
  Settings& settings = ProgramSettings();
  CorrectWindowPosition(settings.x, settings.y, state.metrics);
  SetWindowPos(state.window, HWND_TOPMOST, settings.x, settings.y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
  SetForegroundWindow(state.window);
}

}  // namespace

void Fade() { FadeAlarmSound(ProgramAlarmClock()); }

void EndProgram(MainWindowState& state) {
  CloseNoticeWindows(ProgramAlarmClock());
  EndDialog(state.window, 1);
}

void PutAway(MainWindowState& state) {
  state.shown = 0;
  StoreWindowPosition(state);
  SaveSettings(ProgramSettings(), ProgramStore());
  ShowWindow(state.window, SW_HIDE);
}

void OnCommand(MainWindowState& state, int id) {
  switch (id) {
    case IDCANCEL:
    case IDC_MAIN_MINIMIZE:
      PutAway(state);
      return;
    case IDC_MAIN_EXIT:
      Fade();
      StoreWindowPosition(state);
      SaveSettings(ProgramSettings(), ProgramStore());
      EndProgram(state);
      return;
    case IDC_MAIN_HELP:
      ShowHelp(state.window, 1);
      return;
    case IDC_MAIN_OPTIONS:
      RunOptions(state);
      return;
    case IDC_MAIN_NOTE:
      PutAway(state);
      ToggleNoteWindow();
      return;
    case IDC_MAIN_CALENDAR:
      ToggleMonthCalendar();
      PutAway(state);
      return;
    case IDC_MAIN_ALARM:
      Fade();
      PutAway(state);
      OpenAlarmEditor(state);
      return;
    case IDC_MAIN_NEW_PICTURE:
      NewPicture(state, true);
      return;
    case IDC_MAIN_DATE_ICON:
      SetMoonDisplay(state, 0);
      return;
    case IDC_MAIN_MOON_ICON:
      SetMoonDisplay(state, 1);
      return;
    default:
      return;
  }
}

void OnHotkey(MainWindowState& state, int id) {
  switch (id) {
    case HOTKEY_NEW_PICTURE:
      NewPicture(state, false);
      return;
    case HOTKEY_ALARM_EDITOR:
      Fade();
      OpenAlarmEditor(state);
      return;
    case HOTKEY_NOTE:
      Fade();
      ToggleNoteWindow();
      return;
    case HOTKEY_CALENDAR:
      ToggleMonthCalendar();
      return;
    case HOTKEY_SHOW_WINDOW:
      OnShowRequest(state);
      return;
    default:
      return;
  }
}

void OnTrayNotify(MainWindowState& state, LPARAM mouse_message) {
  switch (mouse_message) {
    case WM_LBUTTONDOWN:
      Fade();
      UpdateTrayIcon(state.window, false);
      if (state.modal == 0) ShowFromTray(state);
      return;
    case WM_RBUTTONDOWN:
      Fade();
      SetMoonDisplay(state, ProgramSettings().Mondphasen != 0 ? 0 : 1);
      return;
    default:
      return;
  }
}

void OnShowRequest(MainWindowState& state) {
  state.shown = 1;
  ShowWindow(state.window, SW_SHOW);
  SetForegroundWindow(state.window);
}
