// What the main window does on its buttons, icons, hotkeys, tray clicks and the requests of a second
// start: the options, the alarm editor, the note window and the month calendar.
#include "alarm/alarm_editor_win.h"
#include "app/main_window_win.h"
#include "app/window_messages.h"
#include "options/options_sheet_win.h"
#include "resources/resource_ids.h"

// The main window stays hidden and its check builds nothing while the sheet is open; what the pages
// ask for happens after it has closed.
void MainWindow::RunOptions() {
  SetModal(true);
  ShowWindow(window(), SW_HIDE);
  OptionsContext options{&context_.clock,      &context_.settings, &context_.platform,  window(),
                         &context_.hotkeys,    &context_.alarm,    &context_.pictures,  date_icon_.get(),
                         &context_.text_table, &context_.help};
  OpenOptions(window(), options);
  if (state_.ending) return;
  if (options.rebuild_wallpaper) context_.wallpaper.Request(WallpaperRequest::kRebuild);
  SetModal(false);
  if (options.rescan_notes) context_.note_window.Rescan();
  ShowWindow(window(), SW_SHOW);
}

// The editor is refused while a check pass holds record indexes (a notice window of it is open).
void MainWindow::OpenAlarmEditor() {
  AlarmClock& alarm = context_.alarm;
  if (!AlarmEditorAvailable(alarm)) return;
  SetModal(true);
  RunAlarmEditor(alarm, window());
  if (!state_.ending) SetModal(false);
}

void MainWindow::ToggleNoteWindow() {
  NoteWindow& note = context_.note_window;
  if (note.shown()) {
    note.Hide();
  } else {
    note.Show();
  }
}

void MainWindow::ToggleMonthCalendar() {
  MonthWindow& calendar = context_.month_window;
  if (calendar.shown()) {
    calendar.Hide();
  } else {
    calendar.Show(date_icon_.get());
  }
}

void MainWindow::SetMoonDisplay(int on) {
  context_.settings.Mondphasen = on;
  tray_->Update();
  SaveMoonSetting(context_.settings, context_.platform.Store());
}

void MainWindow::ShowFromTray() {
  state_.shown = state_.shown == 0 ? 1 : 0;
  if (state_.shown == 0) {
    ShowWindow(window(), SW_HIDE);
    return;
  }
  Settings& settings = context_.settings;
  CorrectWindowPosition(settings.x, settings.y, state_.metrics);
  SetWindowPos(window(), HWND_TOPMOST, settings.x, settings.y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
  SetForegroundWindow(window());
}

void MainWindow::OnCommand(int id) {
  if (state_.ending) return;
  switch (id) {
    case IDCANCEL:
    case IDC_MAIN_MINIMIZE:
      PutAway();
      return;
    case IDC_MAIN_EXIT:
      Fade();
      StoreWindowPosition();
      SaveSettings(context_.settings, context_.platform.Store());
      EndProgram();
      return;
    case IDC_MAIN_HELP:
      context_.help.Show(window(), 1);
      return;
    case IDC_MAIN_OPTIONS:
      RunOptions();
      return;
    case IDC_MAIN_NOTE:
      PutAway();
      ToggleNoteWindow();
      return;
    case IDC_MAIN_CALENDAR:
      ToggleMonthCalendar();
      PutAway();
      return;
    case IDC_MAIN_ALARM:
      Fade();
      PutAway();
      OpenAlarmEditor();
      return;
    case IDC_MAIN_NEW_PICTURE:
      NewPicture(true);
      return;
    case IDC_MAIN_DATE_ICON:
      SetMoonDisplay(0);
      return;
    case IDC_MAIN_MOON_ICON:
      SetMoonDisplay(1);
      return;
    default:
      return;
  }
}

// While the options or the alarm editor are open only the month calendar answers: a build would take
// pictures the sheet is editing, and another window would open behind the modal one, as a tray click
// would not.
void MainWindow::OnHotkey(int id) {
  if (state_.ending) return;
  if (state_.modal != 0 && id != HOTKEY_CALENDAR) return;
  switch (id) {
    case HOTKEY_NEW_PICTURE:
      NewPicture(false);
      return;
    case HOTKEY_ALARM_EDITOR:
      Fade();
      OpenAlarmEditor();
      return;
    case HOTKEY_NOTE:
      Fade();
      ToggleNoteWindow();
      return;
    case HOTKEY_CALENDAR:
      ToggleMonthCalendar();
      return;
    case HOTKEY_SHOW_WINDOW:
      OnShowRequest();
      return;
    default:
      return;
  }
}

void MainWindow::OnTrayNotify(LPARAM mouse_message) {
  if (state_.ending) return;
  switch (mouse_message) {
    case WM_LBUTTONDOWN:
      Fade();
      tray_->Update();
      if (state_.modal == 0) ShowFromTray();
      return;
    case WM_RBUTTONDOWN:
      Fade();
      SetMoonDisplay(context_.settings.Mondphasen != 0 ? 0 : 1);
      return;
    default:
      return;
  }
}

void MainWindow::OnShowRequest() {
  if (state_.ending) return;
  state_.shown = 1;
  ShowWindow(window(), SW_SHOW);
  SetForegroundWindow(window());
}
