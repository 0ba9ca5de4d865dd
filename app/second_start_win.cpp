// The hand-over of a second start to the running instance.
#include "app/second_start_win.h"

#include <algorithm>

#include "app/second_start.h"
#include "app/window_messages.h"
#include "common/owned_handles_win.h"

namespace {

// The class of dialog windows, which the main window is.
constexpr char kDialogClass[] = "#32770";

// How often a start that waits looks for the running instance's window again.
constexpr DWORD kLookAgainAfter = 100;  // milliseconds

// Whether this start has taken the mutex within the time: the instance released it, or ended without.
bool TakeMutex(HANDLE mutex, DWORD timeout_ms) {
  const DWORD result = WaitForSingleObject(mutex, timeout_ms);
  return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
}

// Sends the request; true when the window's thread took it in time.
bool SendRequest(HWND running, DWORD running_process, unsigned request, DWORD timeout_ms) {
  // Windows lets a process in the background take the foreground only when the foreground process
  // allows it; this start is the foreground process now, the running instance is not.
  AllowSetForegroundWindow(running_process);
  DWORD_PTR answer = 0;
  return SendMessageTimeoutA(running, request, 0, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG, timeout_ms, &answer) != 0;
}

}  // namespace

SecondStart PassToRunningInstance(HANDLE mutex, const char* command_line, DWORD wait_ms) {
  const unsigned request = SecondStartRequest(command_line);
  const ULONGLONG deadline = GetTickCount64() + wait_ms;
  auto remaining = [deadline] {
    const ULONGLONG now = GetTickCount64();
    return static_cast<DWORD>(now < deadline ? deadline - now : 0);
  };
  for (;;) {
    HWND running = FindWindowA(kDialogClass, kMainWindowTitle);
    DWORD running_process = 0;
    if (running != nullptr) GetWindowThreadProcessId(running, &running_process);
    // Opened before the request, so that the process is still there to be waited for: EXIT returns
    // once the program's files are no longer in use (an installer replaces them next).
    const OwnedKernelHandle process(running_process != 0 ? OpenProcess(SYNCHRONIZE, FALSE, running_process) : nullptr);
    if (running != nullptr && SendRequest(running, running_process, request, std::max<DWORD>(remaining(), 1))) {
      if (request != MSG_QUIT_MAIN) return SecondStart::kPassed;
      if (process) {
        WaitForSingleObject(process.get(), remaining());
      } else if (TakeMutex(mutex, remaining())) {
        ReleaseMutex(mutex);
      }
      return SecondStart::kPassed;
    }
    if (TakeMutex(mutex, std::min(kLookAgainAfter, remaining()))) {
      if (request != MSG_QUIT_MAIN) return SecondStart::kFirstInstance;
      // Nothing is left to end.
      ReleaseMutex(mutex);
      return SecondStart::kPassed;
    }
    if (remaining() == 0) return SecondStart::kNoAnswer;
  }
}
