// The note window's work: its layout and font, loading and saving notes, paging, new notes, deleting,
// read-only, the keyboard filter of the text field, its timers and its size.
#include "notes/note_window_win.h"

#include <commctrl.h>

#include <string>

#include "common/bounded_text.h"
#include "common/file_system.h"
#include "common/owned_handles_win.h"
#include "common/shared_icon_win.h"
#include "imaging/font_win.h"
#include "notes/note_title.h"
#include "resources/resource_ids.h"
#include "settings/window_position_win.h"
#include "texts/text_table.h"

// What the note window keeps while it exists; the functions below do its work.
struct NoteWindowState {
  explicit NoteWindowState(NoteWindowContext& window_context) : context(window_context) {}

  NoteWindowContext& context;
  HWND window = nullptr;
  HWND text = nullptr;
  int text_top = 0;  // the text field's top in client pixels
  OwnedFont font;
  int focus_ticks = 0;
  bool shown = false;             // the user has the window open
  bool loading = false;           // the field is filled from the file, not changed by the user
  bool failure_reported = false;  // a failed save was reported; the retries that follow are quiet
  std::string scanned_folder;     // the folder the note list was built from

  NoteList& list() { return *context.list; }
  const std::string& folder() { return scanned_folder; }
};

namespace {

// The note window's own messages.
constexpr UINT MSG_NOTE_LOAD = 0x8000 + 0x450;
constexpr UINT MSG_NOTE_SAVE = 0x8000 + 0x451;
constexpr UINT MSG_NOTE_CLOSE = 0x8000 + 0x452;
constexpr UINT MSG_NOTE_FOCUS = 0x8000 + 0x460;

constexpr UINT_PTR kFocusTimer = 203;  // the first five quarter seconds: the focus into the text
constexpr UINT_PTR kSaveTimer = 204;   // once a minute: a modified note is saved
constexpr int kFocusTicks = 5;
constexpr int kHelpNote = 7;

// New notes are refused from this many notes on.
constexpr int kNoteLimit = 2046;
constexpr int kMinimumWidth = 256;
constexpr int kMinimumHeight = 200;

// The icon row, in client pixels at y = 1.
struct IconPlace {
  int id;
  int x;
};
constexpr IconPlace kIconRow[] = {{IDC_NOTE_NEW, 3},        {IDC_NOTE_DELETE, 40}, {IDC_NOTE_BACK, 87},
                                  {IDC_NOTE_FORWARD, 124},  {IDC_NOTE_READ_ONLY, 171},
                                  {IDC_NOTE_HELP, 218},     {IDC_NOTE_CLOSE, 255}};

void SetIcon(HWND window, int id, const char* name) {
  SendDlgItemMessageA(window, id, STM_SETICON, reinterpret_cast<WPARAM>(SharedIcon(name, 32)), 0);
}

void ReportFailure(const NoteWindowState& state, const std::string& message, const std::string& path) {
  MessageBoxA(state.window, message.c_str(), path.c_str(), MB_ICONERROR | MB_OK);
}

void ReportFailure(const NoteWindowState& state, const TextEntry& message, const std::string& path) {
  ReportFailure(state, state.context.text_table->LookupText(message), path);
}

std::string UnsavedNotesPath(const NoteWindowState& state) {
  return JoinPath(state.context.settings->data_folder, kUnsavedNotesFileName);
}

// A failed save, with what happens to the note now.
void ReportUnsaved(const NoteWindowState& state, const std::string& path) {
  const TextTable& text_table = *state.context.text_table;
  char kept[1024];
  FormatText(kept, sizeof kept, text_table.LookupFormat(texts::NOTES_NOTEKEPT).c_str(),
             UnsavedNotesPath(state).c_str());
  ReportFailure(state, text_table.LookupText(texts::NOTES_ERRSAVENOTE) + "\n\n" + kept, path);
}

// Each icon shows whether its command can be used now.
void UpdateIcons(NoteWindowState& state) {
  NoteList& list = state.list();
  const bool writable = list.HasCurrent() && list.Current().Writable();
  SetIcon(state.window, IDC_NOTE_NEW, list.count < kNoteLimit ? "NOTE_NEW" : "NOTE_NEW_OFF");
  SetIcon(state.window, IDC_NOTE_BACK, list.current >= 1 && list.current != kNewNoteIndex ? "NOTE_BACK"
                                                                                          : "NOTE_BACK_OFF");
  SetIcon(state.window, IDC_NOTE_FORWARD,
          !list.new_note_unsaved && list.current < list.count - 1 ? "NOTE_FORW" : "NOTE_FORW_OFF");
  SetIcon(state.window, IDC_NOTE_DELETE,
          list.count >= 1 && !list.new_note_unsaved && writable ? "NOTE_DEL" : "NOTE_DEL_OFF");
  SetIcon(state.window, IDC_NOTE_READ_ONLY, list.HasCurrent() && !writable ? "NOTE_RO" : "NOTE_RO_OFF");
  SendMessageA(state.text, EM_SETREADONLY, list.HasCurrent() && !writable, 0);
}

// Shows the current note, or begins a new one when there is none. When no new name can be made
// (every character of this minute is taken) the last note is shown, so typing is never lost.
void Load(NoteWindowState& state) {
  NoteList& list = state.list();
  const RegionalSettings& regional = state.context.settings->regional;
  std::string title;
  std::string text;
  bool begun = false;
  if (!list.HasCurrent()) {
    if (const auto note = BeginNewNote(list, state.folder(), state.context.clock->Now())) {
      title = NoteTitleOfNewNote(*note, regional);
      begun = true;
    } else if (list.count > 0) {
      list.current = list.count - 1;
    }
  }
  if (!begun && list.HasCurrent()) {
    // A listed note: whatever was begun before has been saved or removed.
    list.new_note_unsaved = false;
    title = NoteTitleOfFile(list.Current().file_name, regional);
    if (auto read = ReadNote(list, state.folder())) {
      text = std::move(*read);
    } else {
      ReportFailure(state, texts::NOTES_ERRREADNOTE, CurrentNotePath(list, state.folder()));
    }
  }
  state.failure_reported = false;
  SetWindowTextA(state.window, title.c_str());
  state.loading = true;
  SetWindowTextA(state.text, text.c_str());
  state.loading = false;
  UpdateIcons(state);
}

std::string FieldText(HWND text) {
  std::string contents(kNoteTextCapacity, '\0');
  contents.resize(static_cast<std::size_t>(GetWindowTextA(text, contents.data(), static_cast<int>(kNoteTextCapacity))));
  return contents;
}

// Saves the current note. A failed save or deletion is reported once; the note stays modified and
// shown, and the next save tries again. False then: the window must not move to another note, whose
// text the field does not hold.
bool Save(NoteWindowState& state) {
  NoteList& list = state.list();
  const std::string path = CurrentNotePath(list, state.folder());
  const NoteSaved saved = SaveNote(list, state.folder(), FieldText(state.text));
  if (saved == NoteSaved::kFailed || saved == NoteSaved::kNotRemoved) {
    if (!state.failure_reported) {
      if (saved == NoteSaved::kFailed) {
        ReportUnsaved(state, path);
      } else {
        ReportFailure(state, texts::NOTES_ERRDELNOTE, path);
      }
    }
    state.failure_reported = true;
    return false;
  }
  if (saved == NoteSaved::kWritten) list.new_note_unsaved = false;
  state.failure_reported = false;
  return true;
}

// The program or the Windows session ends: the note is saved, or, when that fails, its text goes to
// the unsaved-notes file without a question, as nobody may be there to answer.
void SaveAtTheEnd(NoteWindowState& state) {
  NoteList& list = state.list();
  const std::string path = CurrentNotePath(list, state.folder());
  const std::string text = FieldText(state.text);
  if (SaveNote(list, state.folder(), text) != NoteSaved::kFailed || state.context.settings->data_folder.empty()) return;
  if (KeepUnsavedNote(UnsavedNotesPath(state), path, text)) list.Current().modified = false;
}

void ShowCurrentNote(NoteWindowState& state) { SendMessageA(state.window, MSG_NOTE_LOAD, 0, 0); }

void First(NoteWindowState& state) {
  if (!Save(state)) return;
  state.list().current = 0;
  ShowCurrentNote(state);
}

// The last note as it is after the save, which removes an empty new note.
void Last(NoteWindowState& state) {
  if (!Save(state)) return;
  state.list().current = state.list().count - 1;
  ShowCurrentNote(state);
}

void New(NoteWindowState& state) {
  if (!Save(state)) return;
  if (state.list().count >= kNoteLimit) return;
  state.list().current = kNewNoteIndex;
  ShowCurrentNote(state);
}

void Back(NoteWindowState& state) {
  NoteList& list = state.list();
  if (list.current <= 0 || list.current == kNewNoteIndex) return;
  if (!Save(state)) return;
  --list.current;
  // An empty new note was removed by the save: the note before it is the last one now.
  if (list.new_note_unsaved) {
    list.current = std::min(list.current + 1, list.count - 1);
    list.new_note_unsaved = false;
  }
  ShowCurrentNote(state);
}

void Forward(NoteWindowState& state) {
  NoteList& list = state.list();
  if (list.current >= list.count - 1) return;
  if (!Save(state)) return;
  ++list.current;
  ShowCurrentNote(state);
}

void Delete(NoteWindowState& state) {
  NoteList& list = state.list();
  if (!list.HasCurrent() || !list.Current().Writable()) return;
  list.Current().modified = true;
  state.loading = true;
  SetWindowTextA(state.text, "");
  state.loading = false;
  if (Save(state)) ShowCurrentNote(state);
}

void ToggleReadOnly(NoteWindowState& state) {
  // A note not yet saved stays writable, so that the next save can still write it.
  if (!Save(state)) return;
  if (ToggleNoteReadOnly(state.list(), state.folder())) UpdateIcons(state);
}

// The window's rectangle into xNotizPos ... hNotizPos (left, top, right, bottom).
void RememberRectangle(NoteWindowState& state) {
  RECT outer{};
  GetWindowRect(state.window, &outer);
  Settings& s = *state.context.settings;
  s.xNotizPos = outer.left;
  s.yNotizPos = outer.top;
  s.wNotizPos = outer.right;
  s.hNotizPos = outer.bottom;
}

// The remembered rectangle at least 256 x 200 pixels, by moving its right and bottom edges. Whether
// it had to be widened.
bool WidenToMinimum(Settings& s) {
  const int right = std::max(s.wNotizPos, s.xNotizPos + kMinimumWidth);
  const int bottom = std::max(s.hNotizPos, s.yNotizPos + kMinimumHeight);
  const bool widened = right != s.wNotizPos || bottom != s.hNotizPos;
  s.wNotizPos = right;
  s.hNotizPos = bottom;
  return widened;
}

// Saves the note and hides the window. A note that could not be saved stays the current one, for the
// next showing; an empty one that was removed leaves the field to no note.
void HideWindow(NoteWindowState& state) {
  NoteList& list = state.list();
  const int count = list.count;
  if (Save(state) && list.count < count) list.current = kNewNoteIndex;
  state.shown = false;
  ShowWindow(state.window, SW_HIDE);
}

// Close: the window's rectangle remembered, the note saved, the window hidden.
void Close(NoteWindowState& state) {
  RememberRectangle(state);
  HideWindow(state);
}

// Ctrl with Page Up, Page Down, Home, End, R or the keypad's plus: the window's commands. First and
// Last have no icon of their own.
constexpr int kCommandFirst = -1;
constexpr int kCommandLast = -2;
struct ControlKey {
  WPARAM key;
  int command;
};
constexpr ControlKey kControlKeys[] = {{VK_PRIOR, IDC_NOTE_BACK}, {VK_NEXT, IDC_NOTE_FORWARD},
                                       {VK_HOME, kCommandFirst},  {VK_END, kCommandLast},
                                       {'R', IDC_NOTE_READ_ONLY}, {VK_ADD, IDC_NOTE_NEW}};

bool OnCommand(NoteWindowState& state, int id, int code);

bool OnControlKey(NoteWindowState& state, WPARAM key) {
  for (const ControlKey& control_key : kControlKeys) {
    if (control_key.key == key) return OnCommand(state, control_key.command, 0);
  }
  return false;
}

// The text field's keyboard filter: Tab types four spaces, Esc closes, Ctrl gives the commands.
LRESULT FilterTextField(NoteWindowState& state, HWND text, UINT message, WPARAM wparam, LPARAM lparam) {
  const bool control = GetKeyState(VK_CONTROL) < 0;
  switch (message) {
    case WM_KEYDOWN:
      if (wparam == VK_TAB) {
        // The field's read-only state does not stop a replaced selection.
        if ((GetWindowLongA(text, GWL_STYLE) & ES_READONLY) != 0) return 0;
        SendMessageA(text, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("    "));
        return 0;
      }
      if (control && OnControlKey(state, wparam)) return 0;
      break;
    case WM_KEYUP:
      if (wparam == VK_TAB) return 0;
      if (wparam == VK_ESCAPE) {
        Close(state);
        return 0;
      }
      break;
    case WM_CHAR:
      // Tab, Esc and Ctrl + R's character have been handled at their keys.
      if (wparam == '\t' || wparam == 27 || wparam == 0x12) return 0;
      break;
    default:
      break;
  }
  return DefSubclassProc(text, message, wparam, lparam);
}

LRESULT CALLBACK TextFieldProc(HWND text, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR state) {
  if (message == WM_NCDESTROY) RemoveWindowSubclass(text, TextFieldProc, 0);
  return AtWindowEdge(text, message, 0, [&] {
    return FilterTextField(*reinterpret_cast<NoteWindowState*>(state), text, message, wparam, lparam);
  });
}

// The note list from NotePath, and a new note begun in it.
void ScanFolder(NoteWindowState& state) {
  state.scanned_folder = state.context.settings->NotePath;
  ScanNoteFolder(state.list(), state.folder());
  state.list().current = kNewNoteIndex;
  state.list().new_note_unsaved = false;
  ShowCurrentNote(state);
}

void PlaceIcons(HWND window) {
  for (const IconPlace& icon : kIconRow) {
    SetWindowPos(GetDlgItem(window, icon.id), nullptr, icon.x, 1, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  }
}

// The stored rectangle (left, top, right, bottom) at least 256 x 200 pixels; applied when it is set,
// moved onto a monitor when none shows it any more, and read back as the window took it.
void ApplyStoredRectangle(NoteWindowState& state) {
  Settings& s = *state.context.settings;
  WidenToMinimum(s);
  if (s.xNotizPos < 1 || s.yNotizPos < 1) return;
  const RECT placed = KeepOnAMonitor(RECT{s.xNotizPos, s.yNotizPos, s.wNotizPos, s.hNotizPos});
  SetWindowPos(state.window, nullptr, placed.left, placed.top, placed.right - placed.left,
               placed.bottom - placed.top, SWP_NOZORDER | SWP_NOACTIVATE);
  RememberRectangle(state);
}

void Initialise(HWND window, NoteWindowState& state) {
  state.window = window;
  state.text = GetDlgItem(window, IDC_NOTE_TEXT);
  LoadNoteFont(*state.context.settings, *state.context.store);
  state.font = MakeFontHandle(state.context.settings->note_font);
  SendMessageA(state.text, WM_SETFONT, reinterpret_cast<WPARAM>(state.font.get()), FALSE);
  RECT field{};
  GetWindowRect(state.text, &field);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&field), 2);
  state.text_top = field.top;
  PlaceIcons(window);
  SendMessageA(state.text, EM_LIMITTEXT, kNoteTextCapacity - 1, 0);
  SetWindowSubclass(state.text, TextFieldProc, 0, reinterpret_cast<DWORD_PTR>(&state));
  SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(SharedIcon("NOTE_EDIT", 32)));
  ScanFolder(state);
  ApplyStoredRectangle(state);
  SetTimer(window, kFocusTimer, 250, nullptr);
  SetTimer(window, kSaveTimer, 60000, nullptr);
}

void OnTimer(NoteWindowState& state, UINT_PTR timer) {
  if (timer == kFocusTimer) {
    if (++state.focus_ticks >= kFocusTicks) KillTimer(state.window, kFocusTimer);
    SendMessageA(state.window, MSG_NOTE_FOCUS, 0, 0);
    return;
  }
  NoteList& list = state.list();
  if (timer == kSaveTimer && list.HasCurrent() && list.Current().modified && GetWindowTextLengthA(state.text) > 0) {
    Save(state);
  }
}

// The rectangle after a move or a resize by the user, at least 256 x 200 pixels.
void OnMovedOrSized(NoteWindowState& state) {
  RememberRectangle(state);
  Settings& s = *state.context.settings;
  if (WidenToMinimum(s)) {
    SetWindowPos(state.window, nullptr, 0, 0, s.wNotizPos - s.xNotizPos, s.hNotizPos - s.yNotizPos,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

bool OnCommand(NoteWindowState& state, int id, int code) {
  if (id == IDC_NOTE_TEXT) {
    if (code == EN_CHANGE && !state.loading && state.list().HasCurrent()) state.list().Current().modified = true;
    return true;
  }
  switch (id) {
    case kCommandFirst:
      First(state);
      return true;
    case kCommandLast:
      Last(state);
      return true;
    case IDC_NOTE_NEW:
      New(state);
      return true;
    case IDC_NOTE_DELETE:
      Delete(state);
      return true;
    case IDC_NOTE_BACK:
      Back(state);
      return true;
    case IDC_NOTE_FORWARD:
      Forward(state);
      return true;
    case IDC_NOTE_READ_ONLY:
      ToggleReadOnly(state);
      return true;
    case IDC_NOTE_HELP:
      state.context.help->Show(state.window, kHelpNote);
      return true;
    case IDC_NOTE_CLOSE:
    case IDCANCEL:
      Close(state);
      return true;
    default:
      return false;
  }
}

}  // namespace

NoteWindow::NoteWindow(NoteWindowContext& context)
    : state_(std::make_unique<NoteWindowState>(context)) {
  if (CreateModeless(IDD_NOTE, nullptr)) ShowWindow(window(), SW_HIDE);
}

NoteWindow::~NoteWindow() { DestroyWindowNow(); }

std::optional<INT_PTR> NoteWindow::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  NoteWindowState& state = *state_;
  switch (message) {
    case WM_INITDIALOG:
      Initialise(window(), state);
      return FALSE;
    case MSG_NOTE_LOAD:
      Load(state);
      return TRUE;
    case MSG_NOTE_SAVE:
      Save(state);
      return TRUE;
    case MSG_NOTE_CLOSE:
      Close(state);
      return TRUE;
    case MSG_NOTE_FOCUS:
      if (IsWindowVisible(window())) {
        SetActiveWindow(window());
        SetFocus(state.text);
      }
      return TRUE;
    case WM_COMMAND:
      if (OnCommand(state, LOWORD(wparam), HIWORD(wparam))) return TRUE;
      return std::nullopt;
    case WM_TIMER:
      OnTimer(state, wparam);
      return TRUE;
    case WM_SIZE:
      MoveWindow(state.text, 0, state.text_top, LOWORD(lparam), std::max(HIWORD(lparam) - state.text_top, 0), TRUE);
      return TRUE;
    case WM_EXITSIZEMOVE:
      OnMovedOrSized(state);
      return TRUE;
    case WM_HELP:
      state.context.help->Show(window(), 0);
      return TRUE;
    case WM_ENDSESSION:
      // The user logs off: the note is written now (or kept in the unsaved-notes file), without a
      // message nobody would see.
      if (wparam != FALSE) SaveAtTheEnd(state);
      return TRUE;
    case WM_DESTROY:
      // The program ends: the note is written, so that nothing typed since the last save is lost.
      SaveAtTheEnd(state);
      KillTimer(window(), kFocusTimer);
      KillTimer(window(), kSaveTimer);
      state.list().current = kNewNoteIndex;
      state.list().new_note_unsaved = true;
      return TRUE;
    default:
      return std::nullopt;
  }
}

void NoteWindow::Show() {
  if (window() == nullptr) return;
  NoteWindowState& state = *state_;
  state.shown = true;
  const bool on_top = state.context.settings->NoteTop != 0;
  SetWindowPos(window(), on_top ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  SetForegroundWindow(window());
  NoteList& list = state.list();
  // A note that still cannot be saved is shown again rather than a new one.
  if (list.current != kNewNoteIndex && !Save(state)) return;
  if (list.count < kNoteLimit) {
    list.current = kNewNoteIndex;
  } else if (!list.HasCurrent()) {
    // No new note at the limit: the last one is shown, so that the field holds the note it belongs to.
    list.current = list.count - 1;
  }
  ShowCurrentNote(state);
}

void NoteWindow::Hide() {
  if (window() != nullptr) HideWindow(*state_);
}

bool NoteWindow::shown() const { return state_->shown; }

void NoteWindow::Rescan() {
  if (window() == nullptr) return;
  // A note that cannot be saved keeps the window on its folder, so that its text is not lost.
  if (!Save(*state_)) return;
  ScanFolder(*state_);
}
