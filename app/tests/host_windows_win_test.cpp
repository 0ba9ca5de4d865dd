// The hidden host windows and their companion threads: the window classes the other windows of
// the program find them by, hidden and empty, and threads that wait for the quit flag and then end.
#include "app/host_windows_win.h"

#include <gtest/gtest.h>

#include <string>

#include "app/program_win.h"

namespace {

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

TEST(HostWindowsWinTest, TheHostsAreHiddenWindowsWhoseThreadsEndWithTheQuitFlag) {
  SetProgramInstance(GetModuleHandleA(nullptr));
  SetQuitFlag(0);
  ASSERT_TRUE(CreateNoteWindow());
  ASSERT_TRUE(CreateMonthWindow());
  HostWindow& note = NoteHost();
  HostWindow& month = MonthHost();
  EXPECT_EQ(ClassOf(note.window), "TaviNotiz");
  EXPECT_EQ(ClassOf(month.window), "Monatskalender");
  for (HostWindow* host : {&note, &month}) {
    EXPECT_FALSE(IsWindowVisible(host->window));
    EXPECT_EQ(GetWindowTextLengthA(host->window), 0);
    EXPECT_EQ(host->visible, 0);
  }
  EXPECT_EQ(GetThreadPriority(note.companion.get()), THREAD_PRIORITY_NORMAL);
  EXPECT_EQ(GetThreadPriority(month.companion.get()), THREAD_PRIORITY_BELOW_NORMAL);

  // While the quit flag is clear the threads wait; once it is set they end within a step of 250 ms.
  EXPECT_EQ(WaitForSingleObject(note.companion.get(), 400), static_cast<DWORD>(WAIT_TIMEOUT));
  SetQuitFlag(1);
  EXPECT_EQ(WaitForSingleObject(note.companion.get(), 1000), WAIT_OBJECT_0);
  EXPECT_EQ(WaitForSingleObject(month.companion.get(), 1000), WAIT_OBJECT_0);
  DWORD code = 99;
  GetExitCodeThread(month.companion.get(), &code);
  EXPECT_EQ(code, 0u);

  HWND note_window = note.window;
  DestroyHostWindow(note);
  DestroyHostWindow(month);
  EXPECT_FALSE(IsWindow(note_window));
  EXPECT_EQ(note.window, nullptr);
  EXPECT_FALSE(note.companion);
}

}  // namespace
