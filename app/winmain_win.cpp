// The program's entry point: one instance per user, the hand-over of a second start, the platform
// check, the start of every part of the program in its order, the main window for the whole run,
// and the shut-down in reverse.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shlwapi.h>

#include <string>

#include "app/date_text.h"
#include "app/host_windows_win.h"
#include "app/main_window_win.h"
#include "app/program_win.h"
#include "app/second_start_win.h"
#include "app/window_messages.h"
#include "common/owned_handles_win.h"
#include "resources/resource_ids.h"
#include "settings/settings_platform_win.h"
#include "texts/help.h"
#include "texts/help_win.h"
#include "texts/text_table.h"
#include "wallpaper/month_overlay.h"
#include "wallpaper/picture_choice.h"
#include "wallpaper/picture_list.h"

namespace {

// How long a second start waits for the running instance to take its request.
constexpr unsigned kSecondStartTimeout = 5000;  // milliseconds

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

void ReportOldCommonControls() {
  // Both texts come from the one text buffer: the message is copied before the caption is looked up.
  std::string message = LookupText(texts::ERR_IE500);
  MessageBoxA(nullptr, message.c_str(), LookupText(texts::ERR_ERR), MB_ICONERROR | MB_TOPMOST);
}

// Everything that lives while the main window runs, started in order and ended after it closes.
void RunMainWindow() {
  Settings& settings = ProgramSettings();
  LoadWeekdayNames();
  LoadMonthNames();
  ProgramDesktopIcons().Apply(settings.IconColor);
  AlarmClock& alarm = ProgramAlarmClock();
  // A device that is missing now is replaced by the default one for this run only: the stored
  // choice stays, for the day the device is back.
  int device = settings.SndDevice;
  alarm.sound_available = alarm.sound.Load(device, settings.SndVolume);
  LoadAppointmentTable(alarm);
  SetQuitFlag(0);
  CreateNoteWindow();
  CreateMonthWindow();
  DialogBoxParamA(ProgramInstance(), MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainDialogProc, 0);
  SetQuitFlag(1);
  DestroyHostWindow(MonthHost());
  DestroyHostWindow(NoteHost());
  alarm.sound.Unload();
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR command_line, int) {
  if (GetSystemMetrics(SM_CLEANBOOT) != 0) return 0;
  // Owned (and released at the end) only by the first instance; a second start's handle just closes.
  const OwnedMutex mutex(CreateMutexA(nullptr, TRUE, kInstanceMutexName));
  if (!mutex) return 0;
  if (GetLastError() == ERROR_ALREADY_EXISTS) return PassToRunningInstance(command_line, kSecondStartTimeout);

  if (CommonControlsVersion() < kOldestCommonControls) {
    ReportOldCommonControls();
    return 0;
  }
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_DATE_CLASSES | ICC_PROGRESS_CLASS | ICC_TAB_CLASSES};
  if (!InitCommonControlsEx(&controls)) return 0;
  CoInitialize(nullptr);
  SetProgramInstance(instance);

  Settings& settings = ProgramSettings();
  WindowsSettingsPlatform platform;
  LoadSettings(settings, platform);
  EnsurePictureList(settings, ProgramStore());
  SetTextFolder(settings.text_folder, LanguageOf(settings.Sprache));
  SetHelpFolder(settings.help_folder);
  HtmlHelpInitialize();
  // The picture readers need no process-wide initialisation (nor a shut-down below): each read sets
  // up and releases its own decoder state.
  ProgramBuildContext().random = PictureChoiceGenerator(PictureChoiceSeed(ProgramClock().Now()));

  if (settings.BuiltinPictureCount > 0) RunMainWindow();

  HtmlHelpShutdown();
  CoUninitialize();
  return 1;
}
