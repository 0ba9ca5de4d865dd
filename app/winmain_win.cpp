// The program's entry point: one instance per user, the hand-over of a second start, the platform
// check, the start of every part of the program in its order, the main window for the whole run,
// and the shut-down in reverse.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shlwapi.h>

#include <string>

#include "app/program_win.h"
#include "app/second_start_win.h"
#include "app/window_messages.h"
#include "calendar/clock.h"
#include "common/owned_handles_win.h"
#include "texts/text_table.h"

namespace {

// How long a second start waits for the running instance to take its request, or to be gone.
constexpr DWORD kSecondStartWait = 10000;  // milliseconds

// Common controls 5.80: the month calendar's day states and week numbers, property sheets.
constexpr DWORD kOldestCommonControls = (5 << 16) + 80;

// (major version x 65536) + minor version of comctl32.dll; 0 when it cannot be asked.
DWORD CommonControlsVersion() {
  const OwnedModule library(LoadLibraryA("comctl32.dll"));
  if (!library) return 0;
  auto get_version = reinterpret_cast<DLLGETVERSIONPROC>(
      reinterpret_cast<void*>(GetProcAddress(library.get(), "DllGetVersion")));
  DLLVERSIONINFO info{};
  info.cbSize = sizeof info;
  static_assert(sizeof info == 20);
  if (get_version == nullptr || FAILED(get_version(&info))) return 0;
  return (info.dwMajorVersion << 16) + info.dwMinorVersion;
}

// Before the settings are loaded: the texts' defaults.
void ReportOldCommonControls() {
  const TextTable defaults;
  MessageBoxA(nullptr, defaults.LookupText(texts::ERR_IE500).c_str(), defaults.LookupText(texts::ERR_ERR).c_str(),
              MB_ICONERROR | MB_TOPMOST);
}

// The program itself, once it is the first instance and the platform will do. Its windows stop every
// exception at their edges; one from making or ending the parts (memory running out) ends the
// program with 0, its mutex released on the way out.
int RunProgram() noexcept {
  try {
    const SystemClock clock;
    Program program(clock);
    if (!program.Start()) return 1;
    return program.Run();
  } catch (...) {
    return 0;
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR command_line, int) {
  if (GetSystemMetrics(SM_CLEANBOOT) != 0) return 0;
  // Owned (and released at the end) only by the first instance, or by a start that the instance
  // ending meanwhile left it to; a second start's handle just closes.
  const OwnedMutex mutex(CreateMutexA(nullptr, TRUE, kInstanceMutexName));
  if (!mutex) return 0;
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    switch (PassToRunningInstance(mutex.get(), command_line, kSecondStartWait)) {
      case SecondStart::kPassed:
        return 1;
      case SecondStart::kNoAnswer:
        return 0;
      case SecondStart::kFirstInstance:
        break;
    }
  }

  if (CommonControlsVersion() < kOldestCommonControls) {
    ReportOldCommonControls();
    return 0;
  }
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_DATE_CLASSES | ICC_PROGRESS_CLASS | ICC_TAB_CLASSES};
  if (!InitCommonControlsEx(&controls)) return 0;
  CoInitialize(nullptr);
  const int exit_code = RunProgram();
  CoUninitialize();
  return exit_code;
}
