// The hand-over of a second start to the running instance.
#include "app/second_start_win.h"

#include <windows.h>

#include "app/second_start.h"
#include "app/window_messages.h"

namespace {

// The class of dialog windows, which the main window is.
constexpr char kDialogClass[] = "#32770";

}  // namespace

int PassToRunningInstance(const char* command_line, unsigned timeout_ms) {
  HWND running = FindWindowA(kDialogClass, kMainWindowTitle);
  if (running == nullptr) return 0;
  const unsigned request = SecondStartRequest(command_line);
  // Windows lets a process in the background take the foreground only when the foreground process
  // allows it; this start is the foreground process now, the running instance is not.
  DWORD running_process = 0;
  GetWindowThreadProcessId(running, &running_process);
  AllowSetForegroundWindow(running_process);
  DWORD_PTR answer = 0;
  const bool answered = SendMessageTimeoutA(running, request, 0, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG, timeout_ms,
                                            &answer) != 0;
  return answered ? 1 : 0;
}
