// The host windows and their companion threads. The note host owns the note window; the month
// calendar's host does not show anything yet.
#include "app/host_windows_win.h"

#include <atomic>

#include "app/program_win.h"
#include "notes/note_window_win.h"

namespace {

// Written by the main thread only; the companion threads read it while they wait.
std::atomic<int> g_quit_flag{0};

HostWindow g_note_host;
HostWindow g_month_host;

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

bool CreateHost(HostWindow& host, const char* class_name, int companion_priority, WNDPROC procedure) {
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

// The note host: creates the note window hidden, shows it with a new note, saves and hides it.
LRESULT CALLBACK NoteHostProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      g_note_host.hosted = CreateNoteDialog(window, ProgramNoteContext());
      g_note_host.visible = 0;
      return 0;
    case MSG_NOTE_SHOW:
      if (g_note_host.hosted == nullptr) return 0;
      g_note_host.visible = 1;
      ShowNoteDialog(g_note_host.hosted);
      return 0;
    case MSG_NOTE_HIDE:
      if (g_note_host.hosted != nullptr) HideNoteDialog(g_note_host.hosted);
      g_note_host.visible = 0;
      return 0;
    case WM_DESTROY:
      if (g_note_host.hosted != nullptr) DestroyWindow(g_note_host.hosted);
      g_note_host.hosted = nullptr;
      return 0;
    default:
      return DefWindowProcA(window, message, wparam, lparam);
  }
}

}  // namespace

HostWindow& NoteHost() { return g_note_host; }
HostWindow& MonthHost() { return g_month_host; }

void SetQuitFlag(int value) { g_quit_flag.store(value); }

bool CreateNoteWindow() { return CreateHost(g_note_host, "TaviNotiz", THREAD_PRIORITY_NORMAL, NoteHostProc); }

bool CreateMonthWindow() {
  return CreateHost(g_month_host, "Monatskalender", THREAD_PRIORITY_BELOW_NORMAL, DefWindowProcA);
}

void DestroyHostWindow(HostWindow& host) {
  if (host.window != nullptr) DestroyWindow(host.window);
  host.window = nullptr;
  if (host.companion) WaitForSingleObject(host.companion.get(), 300);
  host.companion.reset();
  host.visible = 0;
}
