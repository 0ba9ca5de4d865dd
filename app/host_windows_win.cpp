// The host windows and their companion threads. Each host owns its window (the note window, the
// month calendar) and shows and hides it.
#include "app/host_windows_win.h"

#include <atomic>

#include "app/main_window_win.h"
#include "app/program_win.h"
#include "monthview/month_messages.h"
#include "monthview/month_window_win.h"
#include "notes/note_window_win.h"

namespace {

// Written by the main thread only; the companion threads read it while they wait.
std::atomic<int> g_quit_flag{0};

HostWindow g_note_host;
HostWindow g_month_host;

// The hosted windows: made by their hosts when the hosts are created, destroyed with them.
OwnedWindow g_note_window;
OwnedWindow g_month_calendar;

DWORD WINAPI CompanionThread(void*) {
  while (g_quit_flag.load() == 0) Sleep(250);
  return 0;
}

// The class of a host: redrawn on size changes, double clicks, its own device context, a
// byte-aligned client area; no icon, cursor, background or menu.
bool RegisterHostClass(const char* class_name, WNDPROC procedure) {
  WNDCLASSA host_class{};
  host_class.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS | CS_OWNDC | CS_BYTEALIGNCLIENT;
  host_class.lpfnWndProc = procedure;
  host_class.hInstance = ProgramInstance();
  host_class.lpszClassName = class_name;
  return RegisterClassA(&host_class) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool CreateHost(HostWindow& host, const char* class_name, WNDPROC procedure, int companion_priority) {
  host.visible = 0;
  if (!RegisterHostClass(class_name, procedure)) return false;
  host.window = CreateWindowExA(0, class_name, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, ProgramInstance(),
                                nullptr);
  if (host.window == nullptr) return false;
  ShowWindow(host.window, SW_HIDE);
  host.companion.reset(CreateThread(nullptr, 0, CompanionThread, nullptr, 0, nullptr));
  if (!host.companion) return false;
  SetThreadPriority(host.companion.get(), companion_priority);
  return true;
}

// The note host: the note window is shown with a new note, and saves its note when hidden.
LRESULT CALLBACK NoteHostProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      g_note_window.reset(CreateNoteDialog(window, ProgramNoteContext()));
      return 0;
    case MSG_NOTE_SHOW:
      if (!g_note_window) return 0;
      g_note_host.visible = 1;
      ShowNoteDialog(g_note_window.get());
      return 0;
    case MSG_NOTE_HIDE:
      if (g_note_window) HideNoteDialog(g_note_window.get());
      g_note_host.visible = 0;
      return 0;
    case MSG_NOTE_RESCAN:
      if (g_note_window) RescanNoteDialog(g_note_window.get());
      return 0;
    case WM_DESTROY:
      g_note_window.reset();
      return 0;
    default:
      return DefWindowProcA(window, message, wparam, lparam);
  }
}

// The month calendar's host: the calendar is shown with today's date icon (the main window's, when
// it has one) and hidden without being moved.
LRESULT CALLBACK MonthHostProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      g_month_calendar.reset(
          CreateMonthCalendar(ProgramInstance(), {ProgramClock(), ProgramSettings(), ProgramStore(), window}));
      return 0;
    case MSG_CALENDAR_SHOW:
      g_month_host.visible = 1;
      ShowMonthCalendar(g_month_calendar.get(), MainWindow().date_icon.get());
      return 0;
    case MSG_CALENDAR_HIDE:
      g_month_host.visible = 0;
      ShowWindow(g_month_calendar.get(), SW_HIDE);
      return 0;
    case WM_DESTROY:
      g_month_calendar.reset();
      return 0;
    default:
      return DefWindowProcA(window, message, wparam, lparam);
  }
}

}  // namespace

HostWindow& NoteHost() { return g_note_host; }
HostWindow& MonthHost() { return g_month_host; }

void SetQuitFlag(int value) { g_quit_flag.store(value); }

bool CreateNoteWindow() { return CreateHost(g_note_host, "TaviNotiz", NoteHostProc, THREAD_PRIORITY_NORMAL); }

bool CreateMonthWindow() {
  return CreateHost(g_month_host, "Monatskalender", MonthHostProc, THREAD_PRIORITY_BELOW_NORMAL);
}

void DestroyHostWindow(HostWindow& host) {
  if (host.window != nullptr) DestroyWindow(host.window);
  host.window = nullptr;
  if (host.companion) WaitForSingleObject(host.companion.get(), 300);
  host.companion.reset();
  host.visible = 0;
}
