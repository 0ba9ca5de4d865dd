// A second start hands its request only to a main window of the program (a dialog titled
// "Quellmoor"), gives up on one that does not answer instead of hanging with it, and waits for an
// instance that is starting or ending.
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

// The running instance's hold on the instance mutex, on a thread of its own (a mutex belongs to a
// thread): taken at once, given up after release_after_ms.
class HeldMutex {
 public:
  explicit HeldMutex(DWORD release_after_ms) : mutex_(CreateMutexA(nullptr, FALSE, nullptr)) {
    std::atomic<bool> taken{false};
    thread_ = std::thread([this, release_after_ms, &taken] {
      WaitForSingleObject(mutex_, INFINITE);
      taken = true;
      Sleep(release_after_ms);
      released_ = true;
      ReleaseMutex(mutex_);
    });
    while (!taken) Sleep(5);
  }
  ~HeldMutex() {
    thread_.join();
    CloseHandle(mutex_);
  }
  HANDLE get() const { return mutex_; }
  bool released() const { return released_; }

 private:
  HANDLE mutex_;
  std::atomic<bool> released_{false};
  std::thread thread_;
};

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

// EXIT waits for the instance's process to end (the end-to-end tests see that); here the "instance"
// is a thread of this process, which does not end, so the wait ends with the time allowed.
TEST(SecondStartWinTest, TheRequestGoesToTheRunningMainWindow) {
  g_request = 0;
  RunningInstance running(false);
  HeldMutex held(300);
  EXPECT_EQ(PassToRunningInstance(held.get(), "", 5000), SecondStart::kPassed);
  EXPECT_EQ(g_request, MSG_SHOW_MAIN);
  EXPECT_FALSE(held.released());
  EXPECT_EQ(PassToRunningInstance(held.get(), "exit", 500), SecondStart::kPassed);
  EXPECT_EQ(g_request, MSG_QUIT_MAIN);
}

// Another program's window of the same title (an Explorer window of a folder named "Quellmoor") is
// not the running instance; nor is a hung one: neither is waited for longer than the start allows.
TEST(SecondStartWinTest, NoAnswerWithinTheWaitIsGivenUpOn) {
  HeldMutex held(1500);
  HWND other = CreateWindowExA(0, "STATIC", kMainWindowTitle, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(other, nullptr);
  g_request = 0;
  EXPECT_EQ(PassToRunningInstance(held.get(), "EXIT", 300), SecondStart::kNoAnswer);
  DestroyWindow(other);
  RunningInstance hung(true);
  EXPECT_EQ(PassToRunningInstance(held.get(), "EXIT", 300), SecondStart::kNoAnswer);
  EXPECT_EQ(g_request, 0u);
}

// An instance that is ending (its window gone, its mutex still held): a start waits for it and then
// runs as the first instance; an EXIT then has nothing left to end.
TEST(SecondStartWinTest, AfterAnEndingInstanceHasGoneTheStartRunsAsTheFirst) {
  for (const char* command_line : {"", "EXIT"}) {
    HeldMutex held(300);
    const SecondStart result = PassToRunningInstance(held.get(), command_line, 5000);
    EXPECT_EQ(result, *command_line == '\0' ? SecondStart::kFirstInstance : SecondStart::kPassed) << command_line;
    EXPECT_TRUE(held.released()) << command_line;
    if (result == SecondStart::kFirstInstance) ReleaseMutex(held.get());
  }
}

}  // namespace
