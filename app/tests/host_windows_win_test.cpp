// The hidden host windows and their companion threads: the window classes the other windows of
// the program find them by, hidden and empty, and threads that wait for the quit flag and then end;
// the month calendar's host with the calendar window it owns, and the note host's request to read a
// new note folder.
#include "app/host_windows_win.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "app/program_win.h"
#include "common/tests/temp_folder.h"
#include "monthview/month_messages.h"
#include "notes/note_window_win.h"
#include "resources/resource_ids.h"

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

// The month calendar's window: the top-level window of this thread that holds the calendar control.
HWND FindMonthCalendar() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM result) {
        if (GetDlgItem(window, IDC_MONTH_CALENDAR) == nullptr) return TRUE;
        *reinterpret_cast<HWND*>(result) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

TEST(HostWindowsWinTest, TheMonthHostShowsAndHidesItsCalendarAndDestroysItAtTheEnd) {
  SetProgramInstance(GetModuleHandleA(nullptr));
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_DATE_CLASSES};
  InitCommonControlsEx(&controls);
  SetQuitFlag(0);
  ASSERT_TRUE(CreateMonthWindow());
  HostWindow& host = MonthHost();
  HWND calendar = FindMonthCalendar();
  ASSERT_NE(calendar, nullptr);
  EXPECT_FALSE(IsWindowVisible(calendar));

  SendMessageA(host.window, MSG_CALENDAR_SHOW, 0, 0);
  EXPECT_EQ(host.visible, 1);
  EXPECT_TRUE(IsWindowVisible(calendar));
  EXPECT_FALSE(IsWindowVisible(host.window));
  // Esc in the calendar hides it through the host, which clears the flag the main window reads.
  SendDlgItemMessageA(calendar, IDC_MONTH_CALENDAR, WM_KEYUP, VK_ESCAPE, 0);
  EXPECT_EQ(host.visible, 0);
  EXPECT_FALSE(IsWindowVisible(calendar));

  SendMessageA(host.window, MSG_CALENDAR_SHOW, 0, 0);
  SendMessageA(host.window, MSG_CALENDAR_HIDE, 0, 0);
  EXPECT_EQ(host.visible, 0);
  EXPECT_FALSE(IsWindowVisible(calendar));

  SetQuitFlag(1);
  DestroyHostWindow(host);
  EXPECT_FALSE(IsWindow(calendar));
}

// The note host hands a new note folder to its note window, which then lists that folder's notes.
TEST(HostWindowsWinTest, TheNoteHostHasItsNoteWindowReadANewFolder) {
  SetProgramInstance(GetModuleHandleA(nullptr));
  TempFolder first("note-host-first");
  TempFolder second("note-host-second");
  second.Write("N_20060505_0800a.txt", "eins");
  second.Write("N_20060505_0900a.txt", "zwei");
  Settings& settings = *ProgramNoteContext().settings;
  const std::string stored_folder = settings.NotePath;
  settings.NotePath = first.path();
  SetQuitFlag(0);
  ASSERT_TRUE(CreateNoteWindow());
  settings.NotePath = second.path();
  SendMessageA(NoteHost().window, MSG_NOTE_RESCAN, 0, 0);
  const NoteList& notes = *ProgramNoteContext().list;
  EXPECT_EQ(notes.count, 3);  // the folder's two notes and a new one begun there
  EXPECT_STREQ(notes.entries[0].file_name, "N_20060505_0800a.txt");
  EXPECT_FALSE(IsWindowVisible(NoteHost().window));
  EXPECT_EQ(NoteHost().visible, 0);

  SetQuitFlag(1);
  DestroyHostWindow(NoteHost());
  settings.NotePath = stored_folder;
}

}  // namespace
