// A second start hands its request only to a main window of the program (a dialog titled
// "Quellmoor"), and gives up on one that does not answer instead of hanging with it.
#include "app/second_start_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "app/window_messages.h"

namespace {

std::atomic<UINT> g_request{0};

INT_PTR CALLBACK RecordingDialog(HWND, UINT message, WPARAM, LPARAM) {
  if (message == MSG_SHOW_MAIN || message == MSG_QUIT_MAIN) g_request = message;
  return FALSE;
}

// A dialog titled "Quellmoor" on a thread of its own, as the running instance's main window is to
// a second start. While hung, its thread takes no messages until released.
class RunningInstance {
 public:
  explicit RunningInstance(bool hung) : release_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
    thread_ = std::thread([this, hung] {
      struct {
        DLGTEMPLATE header;
        WORD menu, window_class, title;
      } dialog_template{{WS_POPUP, 0, 0, 0, 0, 100, 50}, 0, 0, 0};
      HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), &dialog_template.header, nullptr,
                                               RecordingDialog, 0);
      SetWindowTextA(dialog, kMainWindowTitle);
      window_ = dialog;
      if (hung) WaitForSingleObject(release_, 10000);
      MSG message;
      while (WaitForSingleObject(release_, 0) == WAIT_TIMEOUT) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        Sleep(5);
      }
      DestroyWindow(dialog);
    });
    while (window_ == nullptr) Sleep(5);
  }
  ~RunningInstance() {
    SetEvent(release_);
    thread_.join();
    CloseHandle(release_);
  }

 private:
  HANDLE release_;
  std::atomic<HWND> window_{nullptr};
  std::thread thread_;
};

TEST(SecondStartWinTest, TheRequestGoesToTheRunningMainWindow) {
  g_request = 0;
  RunningInstance running(false);
  EXPECT_EQ(PassToRunningInstance("exit", 5000), 1);
  EXPECT_EQ(g_request, MSG_QUIT_MAIN);
  EXPECT_EQ(PassToRunningInstance("", 5000), 1);
  EXPECT_EQ(g_request, MSG_SHOW_MAIN);
}

// Another program's window of the same title (an Explorer window of a folder named "Quellmoor") is
// not the running instance.
TEST(SecondStartWinTest, AWindowOfTheSameTitleThatIsNoDialogIsNotTheProgram) {
  HWND other = CreateWindowExA(0, "STATIC", kMainWindowTitle, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(other, nullptr);
  EXPECT_EQ(PassToRunningInstance("EXIT", 5000), 0);
  DestroyWindow(other);
}

TEST(SecondStartWinTest, AHungInstanceIsGivenUpOn) {
  RunningInstance hung(true);
  EXPECT_EQ(PassToRunningInstance("EXIT", 200), 0);
}

}  // namespace
