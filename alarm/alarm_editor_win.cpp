// The alarm editor's window: filling its lists, showing the selected record, taking every change
// into the record at once, New, Delete, Test and Stop, choosing a file, and the ways to close.
#include "alarm/alarm_editor_win.h"

#include <commdlg.h>

#include <cstring>
#include <span>
#include <string>

#include "alarm/due_rule.h"
#include "alarm/editor_rules.h"
#include "common/bounded_text.h"
#include "common/dialog_window_win.h"
#include "common/shared_icon_win.h"
#include "resources/resource_ids.h"
#include "texts/text_table.h"

namespace {

// Sent by the editor to itself to show the selected record.
constexpr UINT kRefreshMessage = WM_APP + 0x44F;
constexpr int kHelpAlarm = 12;

constexpr TextEntry kKindTexts[kKindCount] = {
    texts::ALARM_AUS,      texts::ALARM_EINMAL,   texts::ALARM_TAEGLICH, texts::ALARM_MONATLICH,
    texts::ALARM_JAEHRLICH, texts::ALARM_MONTAG,  texts::ALARM_DIENSTAG, texts::ALARM_MITTWOCH,
    texts::ALARM_DONNERSTAG, texts::ALARM_FREITAG, texts::ALARM_SAMSTAG, texts::ALARM_SONNTAG};
constexpr TextEntry kActionTexts[kActionCount] = {texts::ALARM_NICHTS, texts::ALARM_HINWEIS, texts::ALARM_SOUND,
                                                  texts::ALARM_STARTPROG};

struct ControlText {
  int id;
  TextEntry text;
};
constexpr ControlText kControlTexts[] = {
    {IDC_ALARM_NAME_LABEL, texts::ALARM_NAME}, {IDC_ALARM_KIND_LABEL, texts::ALARM_TYPE},
    {IDC_ALARM_ACTION_LABEL, texts::ALARM_AKTION}, {IDC_ALARM_REMARK_LABEL, texts::ALARM_NOTE},
    {IDC_ALARM_TEST, texts::ALARM_TEST},       {IDC_ALARM_NEW, texts::ALARM_NEU},
    {IDC_ALARM_DELETE, texts::ALARM_LOESCHEN}, {IDC_ALARM_HELP, texts::ALARM_HELP},
    {IDC_ALARM_PROTECTED, texts::ALARM_SCHUTZ}, {IDCANCEL, texts::MAIN_CANCEL},
    {IDOK, texts::MAIN_OK}};

// The editor's window and what it keeps while it is open; the functions below do its work.
struct EditorState final : DialogWindow {
  explicit EditorState(AlarmClock& alarm_clock) : alarm(alarm_clock) {}

  bool Run(HWND owner) {
    RunModal(IDD_ALARM_EDITOR, owner);
    return saved;
  }

  std::string Text(const TextEntry& entry) const { return alarm.text_table->LookupText(entry); }

  AlarmClock& alarm;
  bool testing = false;     // a sound started by Test may be playing: the button stops it
  bool refreshing = false;  // the controls are being filled from the record, not changed by the user
  bool saved = false;

 private:
  std::optional<INT_PTR> OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
};

Appointment& Selected(EditorState& state) {
  return state.alarm.table.records[static_cast<std::size_t>(state.alarm.table.selected)];
}
const Appointment& Selected(const EditorState& state) {
  return state.alarm.table.records[static_cast<std::size_t>(state.alarm.table.selected)];
}

bool HasRecords(const EditorState& state) { return state.alarm.table.count > 0; }

LRESULT SendItem(HWND window, int id, UINT message, WPARAM wparam = 0, LPARAM lparam = 0) {
  return SendDlgItemMessageA(window, id, message, wparam, lparam);
}

void AddItem(HWND window, int id, const char* text) {
  SendItem(window, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

void FillNumbers(HWND window, int id, const char* format, int first, int last) {
  for (int value = first; value <= last; ++value) {
    char text[8];
    FormatText(text, sizeof text, format, value);
    AddItem(window, id, text);
  }
}

void FillNames(HWND window, const EditorState& state) {
  SendItem(window, IDC_ALARM_NAME, CB_RESETCONTENT);
  for (const Appointment& appointment : state.alarm.table.InUse()) AddItem(window, IDC_ALARM_NAME, appointment.name);
  SendItem(window, IDC_ALARM_NAME, CB_SETCURSEL, static_cast<WPARAM>(state.alarm.table.selected));
}

void SetTestButton(HWND window, const EditorState& state, bool stop) {
  SetDlgItemTextA(window, IDC_ALARM_TEST, state.Text(stop ? texts::ALARM_STOP : texts::ALARM_TEST).c_str());
}

void SetFileLabel(HWND window, const EditorState& state, int action) {
  SetDlgItemTextA(window, IDC_ALARM_FILE_LABEL,
                  state.Text(action == kActionSound ? texts::ALARM_MP3FILE : texts::ALARM_PROGRAMM).c_str());
}

void Enable(HWND window, int id, bool on) { EnableWindow(GetDlgItem(window, id), on ? TRUE : FALSE); }

void EnableControls(HWND window, const EditorState& state) {
  const EditorControls usable = UsableControls(state.alarm.table);
  Enable(window, IDC_ALARM_NAME, usable.name);
  Enable(window, IDC_ALARM_KIND, usable.kind);
  Enable(window, IDC_ALARM_DAY, usable.day);
  Enable(window, IDC_ALARM_MONTH, usable.month);
  Enable(window, IDC_ALARM_YEAR, usable.year);
  for (int id : {IDC_ALARM_HOUR, IDC_ALARM_MINUTE, IDC_ALARM_ACTION, IDC_ALARM_REMARK}) {
    Enable(window, id, usable.time_action_remark);
  }
  Enable(window, IDC_ALARM_FILE, usable.file);
  Enable(window, IDC_ALARM_CHOOSE_FILE, usable.file);
  Enable(window, IDC_ALARM_TEST, usable.test);
  Enable(window, IDC_ALARM_DELETE, usable.remove);
  Enable(window, IDC_ALARM_NEW, usable.add);
}

// Shows the selected record in the controls, without taking the controls' texts back as changes.
// With no record the lists show nothing.
void Refresh(HWND window, EditorState& state) {
  state.refreshing = true;
  const Appointment& record = Selected(state);
  const int none = HasRecords(state) ? 0 : -1;
  const struct {
    int id;
    int position;
  } lists[] = {{IDC_ALARM_KIND, record.kind},           {IDC_ALARM_DAY, record.day - 1},
               {IDC_ALARM_MONTH, record.month - 1},     {IDC_ALARM_YEAR, record.year - kFirstListedYear},
               {IDC_ALARM_HOUR, record.hour},           {IDC_ALARM_MINUTE, record.minute},
               {IDC_ALARM_ACTION, record.action}};
  for (const auto& list : lists) {
    SendItem(window, list.id, CB_SETCURSEL, static_cast<WPARAM>(none < 0 ? none : list.position));
  }
  SetDlgItemTextA(window, IDC_ALARM_FILE, record.file);
  SetDlgItemTextA(window, IDC_ALARM_REMARK, record.remark);
  EnableControls(window, state);
  SetFileLabel(window, state, record.action);
  SetTestButton(window, state, false);
  CheckDlgButton(window, IDC_ALARM_PROTECTED, record.protected_flag != 0 ? BST_CHECKED : BST_UNCHECKED);
  state.refreshing = false;
}

// The window's texts in the language of the text table; the lists of kinds and actions keep their
// selection.
void ShowTexts(HWND window, const EditorState& state) {
  SetWindowTextA(window, state.Text(texts::ALARM_CAPTION).c_str());
  for (const ControlText& control : kControlTexts) SetDlgItemTextA(window, control.id, state.Text(control.text).c_str());
  SetTestButton(window, state, state.testing);
  const struct {
    int id;
    std::span<const TextEntry> entries;
  } lists[] = {{IDC_ALARM_KIND, kKindTexts}, {IDC_ALARM_ACTION, kActionTexts}};
  for (const auto& list : lists) {
    const LRESULT selected = SendItem(window, list.id, CB_GETCURSEL);
    SendItem(window, list.id, CB_RESETCONTENT);
    for (const TextEntry& entry : list.entries) AddItem(window, list.id, state.Text(entry).c_str());
    SendItem(window, list.id, CB_SETCURSEL, static_cast<WPARAM>(selected));
  }
  if (HasRecords(state)) SetFileLabel(window, state, Selected(state).action);
}

void Initialise(HWND window, EditorState& state) {
  state.alarm.editor_open = true;
  ShowWindow(GetDlgItem(window, IDC_ALARM_PROTECTED), SW_HIDE);
  FillNames(window, state);
  ShowTexts(window, state);
  FillNumbers(window, IDC_ALARM_DAY, "%02d", 1, 31);
  FillNumbers(window, IDC_ALARM_MONTH, "%02d", 1, 12);
  FillNumbers(window, IDC_ALARM_YEAR, "%04d", kFirstListedYear, LastListedYear(state.alarm.clock->Now().year));
  FillNumbers(window, IDC_ALARM_HOUR, "%02d", 0, 23);
  FillNumbers(window, IDC_ALARM_MINUTE, "%02d", 0, 59);
  SendItem(window, IDC_ALARM_NAME, CB_LIMITTEXT, kAppointmentNameCapacity - 1);
  SendItem(window, IDC_ALARM_FILE, EM_LIMITTEXT, kAppointmentFileCapacity - 1);
  SendItem(window, IDC_ALARM_REMARK, EM_LIMITTEXT, kAppointmentRemarkCapacity - 1);
  SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(SharedIcon("UHR", 32)));
  SendMessageA(window, kRefreshMessage, 0, 0);
}

// The name box's text becomes the record's name when it differs.
void TakeName(HWND window, EditorState& state) {
  if (!HasRecords(state) || Selected(state).protected_flag != 0) return;
  char name[kAppointmentNameCapacity];
  GetDlgItemTextA(window, IDC_ALARM_NAME, name, sizeof name);
  if (std::strcmp(name, Selected(state).name) == 0) return;
  CopyText(Selected(state).name, name);
  FillNames(window, state);
}

int ListPosition(HWND window, int id) { return static_cast<int>(SendItem(window, id, CB_GETCURSEL)); }

void ChooseAction(HWND window, EditorState& state, int action) {
  Appointment& record = Selected(state);
  record.action = static_cast<std::uint16_t>(action);
  ArmAfresh(record);
  const bool file = action == kActionSound || action == kActionProgram;
  Enable(window, IDC_ALARM_FILE, file);
  Enable(window, IDC_ALARM_CHOOSE_FILE, file);
  if (file) SetFileLabel(window, state, action);
  Enable(window, IDC_ALARM_TEST, action != kActionNothing);
  state.testing = false;
  SetTestButton(window, state, false);
  FadeAlarmSound(state.alarm);
}

// A list's new selection, stored into the record.
void OnListChange(HWND window, EditorState& state, int id) {
  const int position = ListPosition(window, id);
  if (position < 0 || !HasRecords(state)) return;
  Appointment& record = Selected(state);
  switch (id) {
    case IDC_ALARM_NAME:
      state.alarm.table.selected = position;
      SendMessageA(window, kRefreshMessage, 0, 0);
      return;
    case IDC_ALARM_KIND:
      record.kind = static_cast<std::uint16_t>(position);
      ArmAfresh(record);
      SendMessageA(window, kRefreshMessage, 0, 0);
      return;
    case IDC_ALARM_DAY:
    case IDC_ALARM_MONTH:
    case IDC_ALARM_YEAR: {
      const DateField field = id == IDC_ALARM_DAY     ? DateField::kDay
                              : id == IDC_ALARM_MONTH ? DateField::kMonth
                                                      : DateField::kYear;
      ChooseDate(record, field, position);
      SendItem(window, IDC_ALARM_DAY, CB_SETCURSEL, static_cast<WPARAM>(record.day - 1));
      return;
    }
    case IDC_ALARM_HOUR:
      record.hour = static_cast<std::uint16_t>(position);
      ArmAfresh(record);
      return;
    case IDC_ALARM_MINUTE:
      record.minute = static_cast<std::uint16_t>(position);
      ArmAfresh(record);
      return;
    case IDC_ALARM_ACTION:
      ChooseAction(window, state, position);
      return;
    default:
      return;
  }
}

// The file or remark edit's text, stored at each change the user makes.
void OnEditChange(HWND window, EditorState& state, int id) {
  if (state.refreshing || !HasRecords(state)) return;
  Appointment& record = Selected(state);
  if (id == IDC_ALARM_FILE) {
    GetDlgItemTextA(window, id, record.file, sizeof record.file);
  } else {
    GetDlgItemTextA(window, id, record.remark, sizeof record.remark);
  }
  ArmAfresh(record);
}

void ChooseFile(HWND window, EditorState& state) {
  Appointment& record = Selected(state);
  const bool program = record.action == kActionProgram;
  char path[MAX_PATH] = {};
  if (std::strlen(record.file) > 4) CopyText(path, record.file);
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = window;
  dialog.lpstrFilter = program ? "Programme (*.exe;*.com;*.bat)\0*.exe;*.com;*.bat;*.lnk\0"
                                 "Text-Dateien (*.doc;*.txt;*.rtf)\0*.doc;*.txt;*.rtf\0"
                                 "Alle Dateien (*.*)\0*.*\0"
                               : "Sound-Dateien (*.mp3)\0*.mp3;*.mp2\0Alle Dateien (*.*)\0*.*\0";
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path;
  dialog.nMaxFile = sizeof path;
  dialog.lpstrDefExt = program ? "exe" : "mp3";
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameA(&dialog)) return;
  // The edit's change notification stores the path and arms the record afresh.
  SetDlgItemTextA(window, IDC_ALARM_FILE, path);
}

void AddNew(HWND window, EditorState& state) {
  if (!AppendNewAppointment(state.alarm.table, state.alarm.clock->Now(), *state.alarm.text_table)) return;
  AddItem(window, IDC_ALARM_NAME, Selected(state).name);
  SendItem(window, IDC_ALARM_NAME, CB_SETCURSEL, static_cast<WPARAM>(state.alarm.table.selected));
  SendMessageA(window, kRefreshMessage, 0, 0);
  SetFocus(GetDlgItem(window, IDC_ALARM_NAME));
}

void DeleteSelected(HWND window, EditorState& state) {
  const int removed = state.alarm.table.selected;
  if (!DeleteSelectedAppointment(state.alarm.table)) return;
  SendItem(window, IDC_ALARM_NAME, CB_DELETESTRING, static_cast<WPARAM>(removed));
  SendItem(window, IDC_ALARM_NAME, CB_SETCURSEL, static_cast<WPARAM>(state.alarm.table.selected));
  SendMessageA(window, kRefreshMessage, 0, 0);
}

void TestOrStop(HWND window, EditorState& state) {
  FadeAlarmSound(state.alarm);
  if (state.testing) {
    state.testing = false;
    SetTestButton(window, state, false);
    return;
  }
  if (!HasRecords(state)) return;
  const bool sound = Selected(state).action == kActionSound;
  state.testing = sound;
  SetTestButton(window, state, sound);
  FireAppointment(state.alarm, window, state.alarm.table.selected, true);
}

// OK: the name box's text is taken over first (Enter leaves no focus change behind), then the table is
// saved. A failed save keeps the editor open with every edit, so that the user can try again.
void SaveAndClose(HWND window, EditorState& state) {
  TakeName(window, state);
  if (!SaveAppointmentTable(state.alarm, window)) return;
  state.saved = true;
  EndDialog(window, IDOK);
}

bool OnCommand(HWND window, EditorState& state, int id, int code) {
  switch (id) {
    case IDC_ALARM_NAME:
      if (code == CBN_SELCHANGE) OnListChange(window, state, id);
      if (code == CBN_KILLFOCUS || code == CBN_DROPDOWN) TakeName(window, state);
      return true;
    case IDC_ALARM_KIND:
    case IDC_ALARM_DAY:
    case IDC_ALARM_MONTH:
    case IDC_ALARM_YEAR:
    case IDC_ALARM_HOUR:
    case IDC_ALARM_MINUTE:
    case IDC_ALARM_ACTION:
      if (code == CBN_SELCHANGE) OnListChange(window, state, id);
      return true;
    case IDC_ALARM_FILE:
    case IDC_ALARM_REMARK:
      if (code == EN_CHANGE) OnEditChange(window, state, id);
      return true;
    case IDC_ALARM_PROTECTED:
      if (!HasRecords(state)) return true;
      Selected(state).protected_flag = IsDlgButtonChecked(window, id) == BST_CHECKED ? 1 : 0;
      SendMessageA(window, kRefreshMessage, 0, 0);
      return true;
    case IDC_ALARM_CHOOSE_FILE:
      if (HasRecords(state)) ChooseFile(window, state);
      return true;
    case IDC_ALARM_NEW:
      AddNew(window, state);
      return true;
    case IDC_ALARM_DELETE:
      DeleteSelected(window, state);
      return true;
    case IDC_ALARM_TEST:
      TestOrStop(window, state);
      return true;
    case IDC_ALARM_HELP:
      state.alarm.help->Show(window, kHelpAlarm);
      return true;
    case IDOK:
      SaveAndClose(window, state);
      return true;
    case IDCANCEL:
      EndDialog(window, IDCANCEL);
      return true;
    default:
      return false;
  }
}

std::optional<INT_PTR> EditorState::OnMessage(UINT message, WPARAM wparam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      Initialise(window(), *this);
      return TRUE;
    case kRefreshMessage:
      Refresh(window(), *this);
      return TRUE;
    case MSG_TEXTS_CHANGED:
      ShowTexts(window(), *this);
      return TRUE;
    case WM_COMMAND:
      if (OnCommand(window(), *this, LOWORD(wparam), HIWORD(wparam))) return TRUE;
      return std::nullopt;
    case WM_HELP:
      alarm.help->Show(window(), 0);
      return TRUE;
    case WM_DESTROY:
      // Every way of closing ends here: what OK did not save is dropped by loading the file again.
      alarm.editor_open = false;
      LoadAppointmentTable(alarm);
      FadeAlarmSound(alarm);
      return TRUE;
    default:
      return std::nullopt;
  }
}

}  // namespace

bool RunAlarmEditor(AlarmClock& alarm, HWND owner) {
  if (!AlarmEditorAvailable(alarm)) return false;
  return EditorState(alarm).Run(owner);
}
