// The program's entry point: one instance per user, the hand-over of a second start, the platform
// check, the start of every part of the program in its order, the main window for the whole run,
// and the shut-down in reverse.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shlwapi.h>

#include <string>

#include "app/date_text.h"
#include "app/help.h"
#include "app/help_win.h"
#include "app/host_windows_win.h"
#include "app/main_window_win.h"
#include "app/program_win.h"
#include "app/second_start.h"
#include "app/text_table.h"
#include "app/window_messages.h"
#include "calendar/clock.h"
#include "resources/resource_ids.h"
#include "settings/settings_platform_win.h"
#include "wallpaper/desktop_icons_win.h"
#include "wallpaper/month_overlay.h"
#include "wallpaper/picture_choice.h"

namespace {

// Common controls 5.80: the month calendar's day states and week numbers, property sheets.
constexpr DWORD kOldestCommonControls = (5 << 16) + 80;

// (major version x 65536) + minor version of comctl32.dll; 0 when it cannot be asked.
DWORD CommonControlsVersion() {
  HMODULE library = LoadLibraryA("comctl32.dll");
  if (library == nullptr) return 0;
  DWORD version = 0;
  auto get_version = reinterpret_cast<DLLGETVERSIONPROC>(
      reinterpret_cast<void*>(GetProcAddress(library, "DllGetVersion")));
  DLLVERSIONINFO info{};
  info.cbSize = sizeof info;
  static_assert(sizeof info == 20);
  if (get_version != nullptr && SUCCEEDED(get_version(&info))) {
    version = (info.dwMajorVersion << 16) + info.dwMinorVersion;
  }
  FreeLibrary(library);
  return version;
}

void ReportOldCommonControls() {
  // Both texts come from the one text buffer: the message is copied before the caption is looked up.
  std::string message = LookupText(texts::ERR_IE500);
  MessageBoxA(nullptr, message.c_str(), LookupText(texts::ERR_ERR), MB_ICONERROR | MB_TOPMOST);
}

// The running instance is asked to quit or to show its main window. 0 when its window cannot be
// found (it may still be starting), else 1.
int PassToRunningInstance(const char* command_line) {
  HWND running = FindWindowA(nullptr, kMainWindowTitle);
  if (running == nullptr) return 0;
  SendMessageA(running, SecondStartRequest(command_line), 0, 0);
  return 1;
}

// Everything that lives while the main window runs, started in order and ended after it closes.
void RunMainWindow() {
  Settings& settings = ProgramSettings();
  LoadWeekdayNames();
  LoadMonthNames();
  ApplyDesktopIconColour(settings.IconColor);
  // The alarm clock's sound library and appointments are loaded here once it is part of the program.
  SetQuitFlag(0);
  CreateNoteWindow();
  CreateMonthWindow();
  DialogBoxParamA(ProgramInstance(), MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainDialogProc, 0);
  SetQuitFlag(1);
  DestroyHostWindow(MonthHost());
  DestroyHostWindow(NoteHost());
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR command_line, int) {
  if (GetSystemMetrics(SM_CLEANBOOT) != 0) return 0;
  HANDLE mutex = CreateMutexA(nullptr, TRUE, kInstanceMutexName);
  if (mutex == nullptr) return 0;
  if (GetLastError() == ERROR_ALREADY_EXISTS) return PassToRunningInstance(command_line);

  if (CommonControlsVersion() < kOldestCommonControls) {
    ReportOldCommonControls();
    ReleaseMutex(mutex);
    return 0;
  }
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_DATE_CLASSES | ICC_PROGRESS_CLASS | ICC_TAB_CLASSES};
  if (!InitCommonControlsEx(&controls)) {
    ReleaseMutex(mutex);
    return 0;
  }
  CoInitialize(nullptr);
  SetProgramInstance(instance);

  Settings& settings = ProgramSettings();
  WindowsSettingsPlatform platform;
  LoadSettings(settings, platform);
  SetTextFolder(settings.text_folder);
  SetHelpFolder(settings.help_folder);
  HtmlHelpInitialize();
  // The picture readers need no process-wide initialisation (nor a shut-down below): each read sets
  // up and releases its own decoder state.
  SeedPictureChoice(PictureChoiceSeed(LocalNow()));

  if (settings.BuiltinPictureCount > 0) RunMainWindow();

  HtmlHelpShutdown();
  CoUninitialize();
  ReleaseMutex(mutex);
  return 1;
}
